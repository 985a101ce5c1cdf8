// placeholder: replaced by its author
