#include "themepicker/filelistbox.h"

#include "themepicker/themefolders.h"

#include <QFileInfo>

namespace themepicker {

FileListBox::FileListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_listing && row >= 0)
            emit Click();
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
    if (index == currentRow())
        emit Click();
    else
        setCurrentRow(index);
    return true;
}

QString FileListBox::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && currentRow() >= 0 ? item->text() : QString();
}

} // namespace themepicker
