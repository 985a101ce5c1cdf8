#include "location/DirectoryList.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

#include <filesystem>
#include <system_error>

namespace {

constexpr int FolderRole = Qt::UserRole;

// The reason a folder cannot be listed, or an empty text when it can.
QString unreadableBecause(const QString& folder) {
    std::error_code error;
    std::filesystem::directory_iterator probe(std::filesystem::path(folder.toStdU16String()), error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
}

// The folder and every folder above it, the root first.
QStringList foldersDownTo(const QString& folder) {
    QStringList folders{folder};
    for (QDir dir(folder); !dir.isRoot() && dir.cdUp();)
        folders.prepend(dir.absolutePath());
    return folders;
}

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setIndentation(10);
    // Deep in the tree a long name keeps its beginning and its end; the whole path is its tooltip.
    setTextElideMode(Qt::ElideMiddle);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &DirectoryList::openItem);
}

QString DirectoryList::path() const {
    return QDir::toNativeSeparators(m_folder);
}

bool DirectoryList::open(const QString& folder) {
    const QString target = QDir(folder).absolutePath();
    if (const QString why = unreadableBecause(target); !why.isEmpty()) {
        emit cannotRead(tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(target), why));
        return false;
    }
    m_folder = target;
    clear();
    QTreeWidgetItem* parent = nullptr;
    for (const QString& ancestor : foldersDownTo(m_folder))
        parent = addEntry(parent, ancestor, true);
    setCurrentItem(parent);
    const QDir openDir(m_folder);
    for (const QString& child :
         openDir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        addEntry(parent, openDir.filePath(child), false);
    expandAll();
    return true;
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void DirectoryList::openItem(const QTreeWidgetItem* item) {
    if (item)
        open(item->data(0, FolderRole).toString());
}

QTreeWidgetItem* DirectoryList::addEntry(QTreeWidgetItem* parent, const QString& folder, bool isOpen) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    const QDir dir(folder);
    item->setText(0, dir.isRoot() ? QDir::toNativeSeparators(folder) : dir.dirName());
    item->setIcon(0, style()->standardIcon(isOpen ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    item->setData(0, FolderRole, folder);
    item->setToolTip(0, QDir::toNativeSeparators(folder));
    return item;
}
