#include "skin/themeloader.h"

#include "platform/application.h"
#include "platform/bitmapfile.h"
#include "platform/messagebox.h"
#include "platform/runtimeerror.h"
#include "skin/busyguard.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <string_view>

namespace basGeneral {

CornerTable CornerWidth{};
CornerTable CornerHeight{};

namespace {

constexpr qsizetype kThemeHeaderSize = 12;
constexpr qsizetype kSmallestThemeFile = 100;
// A record starts its search for the next one this far on, past its own bitmap's header.
constexpr qsizetype kNextRecordSearch = 50;
// The next search resumes this far before the "BM" it found, at its record's first byte.
constexpr qsizetype kResumeBeforeSignature = 15;
constexpr qsizetype kBitmapOffset = 8;
// Pixels all images of one theme file may hold together, so that a small file of
// run-length coded bitmaps cannot make the picture list take gigabytes.
constexpr std::int64_t kThemePixelBudget = std::int64_t{1} << 26;

const QString kLoaderName = QStringLiteral("LoadThemeFile");

// The scan over the data of one theme file. Positions count from 1 at the first byte
// after the header, as the theme format is documented.
class ThemeScan {
public:
    ThemeScan(QByteArrayView data, std::vector<platform::PicturePtr>& list)
        : m_data(data)
        , m_list(list)
    {
    }

    void run()
    {
        const qsizetype lastStart = m_data.size() - 12;
        for (qsizetype off = 1; off <= lastStart;)
            off = holdsRecord(off) ? loadRecord(off) : off + 1;
    }

private:
    unsigned char byteAt(qsizetype position) const
    {
        return static_cast<unsigned char>(m_data[position - 1]);
    }

    // A corner height of 1 to 255, a corner width of 0 to 255, then "BM".
    bool holdsRecord(qsizetype off) const
    {
        return byteAt(off) != 0 && byteAt(off + 1) == 0 && byteAt(off + 2) == 0 &&
               byteAt(off + 3) == 0 && byteAt(off + 5) == 0 && byteAt(off + 6) == 0 &&
               byteAt(off + 7) == 0 && byteAt(off + 8) == 'B' && byteAt(off + 9) == 'M';
    }

    // The first position at or after from where "BM" begins, 0 when there is none.
    qsizetype findSignature(qsizetype from) const
    {
        if (from > m_data.size())
            return 0;
        // The standard search runs on memchr, several times faster here than Qt's.
        const std::string_view data(m_data.data(), static_cast<std::size_t>(m_data.size()));
        const std::size_t found = data.find("BM", static_cast<std::size_t>(from - 1));
        return found == std::string_view::npos ? 0 : static_cast<qsizetype>(found) + 1;
    }

    // The first "BM" from 10 bytes into the record on, and the first from 50 bytes on.
    struct Signatures {
        qsizetype first = 0;
        qsizetype beyondHeader = 0;
    };

    Signatures signaturesAfter(qsizetype off) const
    {
        const qsizetype first = findSignature(off + kBitmapOffset + 2);
        if (first == 0 || first >= off + kNextRecordSearch)
            return {first, first};
        return {first, findSignature(off + kNextRecordSearch)};
    }

    // Loads the record at off and returns the position the scan examines next.
    qsizetype loadRecord(qsizetype off)
    {
        const qsizetype bitmapStart = off + kBitmapOffset;
        const Signatures signatures = signaturesAfter(off);
        QByteArrayView bitmap = bitmapBySearch(off, signatures);
        const qsizetype declared = declaredBitmapSize(bitmapStart);
        // A "BM" inside the bitmap cuts the search's slice short; the bitmap's own file
        // size, when the data holds that much, gives its true extent. The extent only
        // decides what is decoded: where the scan goes on stays the search's, so a
        // bitmap that declares more than it holds never hides the record after it.
        if (declared > bitmap.size() && declared <= m_data.size() - bitmapStart + 1)
            bitmap = m_data.sliced(bitmapStart - 1, declared);

        m_list.emplace_back();
        const std::size_t k = m_list.size() - 1;
        if (k > kMaxThemeImages)
            throw platform::RuntimeError(platform::kErrSubscriptOutOfRange);
        CornerWidth[k] = byteAt(off + 4);
        CornerHeight[k] = byteAt(off);
        platform::PicturePtr picture = platform::LoadPicture(bitmap);
        takeFromPixelBudget(*picture);
        m_list[k] = std::move(picture);

        const qsizetype next = signatures.beyondHeader;
        return next > 0 ? next - kResumeBeforeSignature : off + kNextRecordSearch + 1;
    }

    // Each bitmap is held to the decoder's own limit; this one is the whole file's.
    void takeFromPixelBudget(const platform::Picture& picture)
    {
        const std::int64_t pixels =
            std::int64_t{picture.image().width()} * picture.image().height();
        if (pixels > m_pixelsLeft)
            throw platform::RuntimeError(
                platform::kErrInvalidPicture,
                QStringLiteral("Invalid picture: the images of one theme file may hold at most "
                               "%1 pixels together")
                    .arg(kThemePixelBudget));
        m_pixelsLeft -= pixels;
    }

    // The bitmap as the record search bounds it: up to the first "BM" from 10 bytes on,
    // or to the end of the data when there is none 50 bytes on.
    QByteArrayView bitmapBySearch(qsizetype off, const Signatures& signatures) const
    {
        const qsizetype toEnd = m_data.size() - off + 1;
        qsizetype length = toEnd;
        if (signatures.beyondHeader > 0)
            length = std::min(toEnd, signatures.first - 9);
        if (length < kBitmapOffset + 2)
            return {};
        return m_data.sliced(off - 1 + kBitmapOffset, length - kBitmapOffset);
    }

    // The file size in the bitmap's own header, 0 when the data ends before it.
    qsizetype declaredBitmapSize(qsizetype bitmapStart) const
    {
        if (bitmapStart + 5 > m_data.size())
            return 0;
        return qFromLittleEndian<std::uint32_t>(m_data.data() + bitmapStart + 1);
    }

    QByteArrayView m_data;
    std::vector<platform::PicturePtr>& m_list;
    std::int64_t m_pixelsLeft = kThemePixelBudget;
};

QByteArray readThemeFile(const QString& path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw platform::RuntimeError(
            platform::kErrPathFileAccess,
            QStringLiteral("Path/File access error: %1").arg(file.errorString()));
    return bytes;
}

void loadImages(const QString& path, std::vector<platform::PicturePtr>& list)
{
    if (!QFileInfo(path).isFile())
        return;
    const QByteArray file = readThemeFile(path);
    if (file.size() < kSmallestThemeFile)
        return;
    ThemeScan(QByteArrayView(file).sliced(kThemeHeaderSize), list).run();
}

void showLoadFailure(const QString& description)
{
    platform::showMessage({platform::applicationTitle(),
                           QStringLiteral("Error Loading this Theme File! \r\n") + description});
}

} // namespace

void LoadThemeFile(QString path, std::vector<platform::PicturePtr>& list)
{
    QString failure;
    try {
        WaitWhileBusy(2, false, kLoaderName);
        WaitWhileBusy(2, true, kLoaderName);
        BusyScope busy(GeneralBusy);
        list.assign(1, nullptr);
        loadImages(path, list);
    } catch (const platform::RuntimeError& error) {
        failure = error.description();
    } catch (const std::bad_alloc&) {
        failure = QStringLiteral("Out of memory");
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    if (!failure.isEmpty())
        showLoadFailure(failure);
}

} // namespace basGeneral
