#pragma once

#include <QComboBox>
#include <QStringList>
#include <QTreeView>

class QFileSystemModel;

// The mounted volumes as a drop-down list: each item is a volume's root path,
// followed by its name where the volume has one of its own.
class DriveBox final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveBox(QWidget* parent) : QComboBox(parent) {}
    // Shows these roots and chooses one (-1: none) without reporting a choice.
    void showDrives(const QStringList& roots, int chosen);
    QStringList roots() const { return roots_; }

private:
    QStringList roots_;
};

// A real folder tree: the folders below a root, the chosen one expanded,
// selected and in sight. A person's pick is reported; the window's is not.
class FolderTreeView final : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTreeView(QWidget* parent);
    // Roots the tree at root and chooses folder, without reporting a pick.
    void showFolder(const QString& root, const QString& folder);
    // The chosen folder's path, no trailing separator except for "/".
    QString folder() const { return folder_; }

signals:
    void folderPicked(const QString& path);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void reveal();
    void revealAgain();
    void onCurrentChanged(const QModelIndex& current);

    QFileSystemModel* model_;
    QString root_;
    QString folder_;
    bool following_ = false; // the tree moves at the window's word
    // Folders arrive and are sorted after the tree is shown, moving the chosen
    // one; it is brought back into sight until the person takes the tree over.
    bool settling_ = false;
};
