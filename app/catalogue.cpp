#include "catalogue.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>

#include <vector>

namespace {

// Far above any catalogue of this program; a bigger file is not one of ours.
constexpr qint64 kMaxCatalogueSize = 1 << 20;

const uchar kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                          0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

enum BlockTag : uchar
{
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    Dependencies = 0x96,
};

enum RecordTag : uchar
{
    End = 1,
    Translation = 3,
    Obsolete1 = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8,
};

// Big-endian reads that fail, rather than read on, at the end of a block.
struct Reader
{
    bool read8(quint32 &value) { return read(1, value); }
    bool read16(quint32 &value) { return read(2, value); }
    bool read32(quint32 &value) { return read(4, value); }
    bool skip(quint32 count)
    {
        if (count > size - pos)
            return false;
        pos += count;
        return true;
    }

    bool read(int width, quint32 &value)
    {
        if (quint32(width) > size - pos)
            return false;
        value = 0;
        for (int i = 0; i < width; ++i)
            value = value << 8 | data[pos++];
        return true;
    }

    const uchar *data;
    quint32 size;
    quint32 pos = 0;
};

// Walks every message record; each is a run of tagged fields ending in End.
// Marks where each record starts, for checking the offsets that lead there.
bool checkMessages(Reader messages, std::vector<bool> &recordStarts)
{
    while (messages.pos < messages.size) {
        recordStarts[messages.pos] = true;
        for (quint32 tag = 0; tag != End;) {
            quint32 length = 0;
            if (!messages.read8(tag))
                return false;
            switch (tag) {
            case End:
                break;
            case Obsolete1:
                if (!messages.skip(4))
                    return false;
                break;
            case Translation: // UTF-16, so an even number of bytes
            case SourceText:
            case Context:
            case Comment:
                if (!messages.read32(length) || (tag == Translation && length % 2) ||
                    !messages.skip(length))
                    return false;
                break;
            default:
                return false;
            }
        }
    }
    return true;
}

// Pairs of a text's hash and the offset of its message record.
bool checkHashes(Reader hashes, const std::vector<bool> &recordStarts)
{
    if (hashes.size % 8)
        return false;
    quint32 hash, offset;
    while (hashes.read32(hash) && hashes.read32(offset)) {
        if (offset >= recordStarts.size() || !recordStarts[offset])
            return false;
    }
    return true;
}

// A hash table of 16-bit offsets into a pool of length-prefixed context
// names, each chain ending in a zero length.
bool checkContexts(Reader contexts)
{
    quint32 tableSize = 0;
    if (!contexts.read16(tableSize) || tableSize == 0 || !contexts.skip(2 * tableSize))
        return false;
    const quint32 pool = contexts.pos;
    for (quint32 bucket = 0; bucket < tableSize; ++bucket) {
        Reader chain = contexts;
        chain.pos = 2 + 2 * bucket;
        quint32 offset = 0;
        chain.read16(offset);
        if (offset == 0)
            continue;
        chain.pos = 0;
        if (!chain.skip(pool + 2 * offset))
            return false;
        for (quint32 length = 1; length != 0;) {
            if (!chain.read8(length) || !chain.skip(length))
                return false;
        }
    }
    return true;
}

} // namespace

bool isSoundCatalogue(const QByteArray &data)
{
    if (data.size() < int(sizeof kMagic) || data.size() > kMaxCatalogueSize ||
        memcmp(data.constData(), kMagic, sizeof kMagic) != 0)
        return false;

    // The blocks as the toolkit walks them: a tag and a length, until a zero
    // tag or length or fewer than six bytes remain.
    Reader file{reinterpret_cast<const uchar *>(data.constData()), quint32(data.size())};
    file.pos = sizeof kMagic;
    Reader messages{nullptr, 0}, hashes{nullptr, 0}, contexts{nullptr, 0};
    while (file.size - file.pos > 5) {
        quint32 tag = 0, length = 0;
        file.read8(tag);
        file.read32(length);
        if (tag == 0 || length == 0)
            break;
        const Reader block{file.data + file.pos, length};
        if (!file.skip(length))
            return false;
        if (tag == Messages)
            messages = block;
        else if (tag == Hashes)
            hashes = block;
        else if (tag == Contexts)
            contexts = block;
        else if (tag == Dependencies) // would load further files unchecked
            return false;
    }

    std::vector<bool> recordStarts(messages.size, false);
    return checkMessages(messages, recordStarts) && checkHashes(hashes, recordStarts) &&
           (contexts.size == 0 || checkContexts(contexts));
}

bool loadCheckedCatalogue(QTranslator &translator, const QString &name, const QString &folder)
{
    const QString prefix = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
    for (QString candidate = name;;) {
        for (const QString &path :
             {prefix + candidate + QStringLiteral(".qm"), prefix + candidate}) {
            const QFileInfo info(path);
            if (!info.isFile() || !info.isReadable())
                continue;
            // Loaded from the bytes that were checked, not from the file again;
            // the translator reads them in place, so they live in a child of it.
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            auto *bytes = new QBuffer(&translator);
            bytes->setData(file.read(kMaxCatalogueSize + 1));
            const QByteArray &data = bytes->data();
            if (isSoundCatalogue(data) &&
                translator.load(reinterpret_cast<const uchar *>(data.constData()), data.size()))
                return true;
            delete bytes;
        }
        const int cut =
            qMax(candidate.lastIndexOf(QLatin1Char('_')), candidate.lastIndexOf(QLatin1Char('.')));
        if (cut <= 0)
            return false;
        candidate.truncate(cut);
    }
}
