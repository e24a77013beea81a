#include "ui/FolderWidgets.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QStorageInfo>

namespace {

QString driveText(const QString& root) {
    const QString name = QStorageInfo(root).displayName();
    if (name.isEmpty() || QDir::cleanPath(name) == QDir::cleanPath(root)) return root;
    return root + u"  ["_qs + name + u']';
}

// A path as the tree reports it: clean, absolute, no trailing separator.
QString plainPath(const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir(path).absolutePath());
}

bool isWithin(const QString& path, const QString& root) {
    if (path == root || root == u"/"_qs) return true;
    return path.startsWith(root + u'/');
}

} // namespace

void DriveBox::showDrives(const QStringList& roots, int chosen) {
    const QSignalBlocker quiet(this);
    if (roots != roots_) {
        roots_ = roots;
        clear();
        for (const QString& root : roots)
            addItem(driveText(root), root);
    }
    if (currentIndex() != chosen) setCurrentIndex(chosen);
}

FolderTreeView::FolderTreeView(QWidget* parent)
    : QTreeView(parent), model_(new QFileSystemModel(this)) {
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    setModel(model_);
    // Only the names: size, type and date say nothing about a folder here.
    for (int column = 1; column < model_->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this] { revealAgain(); });
    connect(model_, &QFileSystemModel::layoutChanged, this, [this] { revealAgain(); });
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this, [this] { settling_ = false; });
}

void FolderTreeView::showFolder(const QString& root, const QString& folder) {
    const QString r = plainPath(root);
    const QString f = plainPath(folder);
    if (r == root_ && f == folder_) return;
    following_ = true;
    if (r != root_) {
        root_ = r;
        setRootIndex(model_->setRootPath(r));
    }
    folder_ = f;
    settling_ = true;
    reveal();
    following_ = false;
}

void FolderTreeView::reveal() {
    if (folder_.isEmpty() || !isWithin(folder_, root_)) {
        clearSelection();
        return;
    }
    const QModelIndex at = model_->index(folder_);
    if (!at.isValid()) return;
    for (QModelIndex up = at.parent(); up.isValid(); up = up.parent())
        expand(up);
    expand(at);
    if (currentIndex() != at) setCurrentIndex(at);
    scrollTo(at, QAbstractItemView::PositionAtCenter);
}

void FolderTreeView::onCurrentChanged(const QModelIndex& current) {
    if (following_ || !current.isValid()) return;
    const QString path = plainPath(model_->filePath(current));
    if (path == folder_) return;
    folder_ = path;
    emit folderPicked(path);
}

void FolderTreeView::revealAgain() {
    if (!settling_) return;
    following_ = true;
    reveal();
    following_ = false;
}

void FolderTreeView::mousePressEvent(QMouseEvent* event) {
    settling_ = false;
    QTreeView::mousePressEvent(event);
}

void FolderTreeView::keyPressEvent(QKeyEvent* event) {
    settling_ = false;
    QTreeView::keyPressEvent(event);
}

void FolderTreeView::wheelEvent(QWheelEvent* event) {
    settling_ = false;
    QTreeView::wheelEvent(event);
}
