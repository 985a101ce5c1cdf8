# Core tests that fail on Windows for faults of the workspace not yet mended there. tools/test-windows.sh
# runs them apart and shows their output without failing; delete a line once its test passes.

# The error number comes from the C library's errno, the text expected from Windows' own numbering.
set_tests_properties(WorkspaceFailure.MissingCstrikeFolderIsReportedWithThePath
                     PROPERTIES LABELS known-windows-fault)
