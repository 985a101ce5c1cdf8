#pragma once

#include <QTreeWidget>

// A classic directory list: the open folder's ancestors from the root down, the open folder, then
// its child folders, hidden ones too (Steam keeps its own under ~/.steam and ~/.local). Double-click
// or Enter opens an entry; a single click only highlights it.
class DirectoryList : public QTreeWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);

    // The open folder with the platform's separators; a root keeps its trailing separator.
    QString path() const;
    // Lists `folder`. When it cannot be read, says why through cannotRead() and keeps the
    // folder that was open.
    bool open(const QString& folder);

signals:
    void cannotRead(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Entries are only ever shown fully expanded: no expand arrows.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void openItem(const QTreeWidgetItem* item);
    QTreeWidgetItem* addEntry(QTreeWidgetItem* parent, const QString& folder, bool isOpen);

    QString m_folder;
};
