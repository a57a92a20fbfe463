#include "themepicker/filelistbox.h"

#include "themepicker/themefolders.h"

#include <QFileInfo>

namespace themepicker {

FileListBox::FileListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A pick of the user's raises Click from the event loop rather than from inside the
    // list's own selection code, which must not go on running if a handler ends the list.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_listing && row >= 0)
            QMetaObject::invokeMethod(this, &FileListBox::Click, Qt::QueuedConnection);
    });
}

bool FileListBox::setPath(const QString& folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    m_path = folder;
    refresh();
    return true;
}

void FileListBox::refresh()
{
    m_listing = true;
    clear();
    addItems(matchingFiles(m_path, m_pattern));
    setCurrentRow(-1);
    m_listing = false;
}

bool FileListBox::setListIndex(int index)
{
    if (index < 0 || index >= count())
        return false;
    m_listing = true;
    setCurrentRow(index);
    m_listing = false;
    emit Click();
    return true;
}

QString FileListBox::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && currentRow() >= 0 ? item->text() : QString();
}

} // namespace themepicker
