#include "qmcatalogue.h"

#include <QtEndian>

namespace {

const uchar kMagic[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                          0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};

enum Block : uchar
{
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
};

enum Tag : uchar
{
    TagEnd = 1,
    TagTranslation = 3,
    TagSourceText = 6,
    TagContext = 7,
    TagComment = 8,
};

class Reader
{
public:
    Reader(const QByteArray &data, int begin, int end) : m_data(data), m_pos(begin), m_end(end) {}
    bool atEnd() const { return m_pos >= m_end; }
    bool ok() const { return m_ok; }

    uchar byte()
    {
        if (!need(1))
            return 0;
        return uchar(m_data[m_pos++]);
    }
    quint32 length()
    {
        if (!need(4))
            return 0;
        const quint32 value = qFromBigEndian<quint32>(m_data.constData() + m_pos);
        m_pos += 4;
        return value;
    }
    QByteArray bytes(quint32 size)
    {
        if (!need(qint64(size)))
            return {};
        const QByteArray value = m_data.mid(m_pos, int(size));
        m_pos += int(size);
        return value;
    }

private:
    bool need(qint64 size)
    {
        if (m_pos + size > m_end)
            m_ok = false;
        return m_ok;
    }
    const QByteArray &m_data;
    int m_pos;
    int m_end;
    bool m_ok = true;
};

QString utf16BigEndian(const QByteArray &bytes)
{
    QString text;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(ushort(uchar(bytes[i]) << 8 | uchar(bytes[i + 1])));
    return text;
}

// Keys are stored as 8-bit text, sometimes with a closing NUL.
QString keyText(QByteArray bytes)
{
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return QString::fromUtf8(bytes);
}

bool readMessages(Reader &reader, QVector<QmMessage> &messages)
{
    QmMessage message;
    while (!reader.atEnd() && reader.ok()) {
        switch (reader.byte()) {
        case TagEnd:
            messages.append(message);
            message = QmMessage();
            break;
        case TagTranslation:
            message.translations.append(utf16BigEndian(reader.bytes(reader.length())));
            break;
        case TagSourceText:
            message.source = keyText(reader.bytes(reader.length()));
            break;
        case TagContext:
            message.context = keyText(reader.bytes(reader.length()));
            break;
        case TagComment:
            message.comment = keyText(reader.bytes(reader.length()));
            break;
        default:
            return false;
        }
    }
    return reader.ok();
}

} // namespace

QmCatalogue readQmCatalogue(const QByteArray &data)
{
    QmCatalogue catalogue;
    if (data.size() < 16 || memcmp(data.constData(), kMagic, 16) != 0)
        return catalogue;
    Reader blocks(data, 16, data.size());
    while (!blocks.atEnd()) {
        const uchar tag = blocks.byte();
        const quint32 size = blocks.length();
        const QByteArray block = blocks.bytes(size);
        if (!blocks.ok())
            return catalogue;
        if (tag == Hashes) {
            catalogue.hashCount = int(size / 8);
        } else if (tag == NumerusRules) {
            catalogue.hasNumerusRules = size > 0;
        } else if (tag == Messages) {
            Reader reader(block, 0, block.size());
            if (!readMessages(reader, catalogue.messages))
                return catalogue;
        }
    }
    catalogue.valid = true;
    return catalogue;
}
