#pragma once

#include <QListWidget>
#include <QString>

namespace themepicker {

// A list of the files of one folder that match a wildcard pattern (matchingFiles order).
// Picking an entry raises Click: at once when the selected position is set, from the event
// loop when the user picks it.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    void setPattern(const QString& pattern) { m_pattern = pattern; }

    // Lists the folder with no entry selected. A path that names no folder fails: the
    // list stays as it was and false comes back.
    bool setPath(const QString& folder);
    const QString& path() const { return m_path; }
    // Reads the folder again; the selection is gone.
    void refresh();

    int listCount() const { return count(); }
    // The selected position, −1 for none.
    int listIndex() const { return currentRow(); }
    // Selects the entry and raises Click; a position outside the list fails and changes
    // nothing.
    bool setListIndex(int index);
    // The selected entry's name, empty when none is selected.
    QString fileName() const;

signals:
    void Click();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    bool m_listing = false;
};

} // namespace themepicker
