#include "XlsStreamParser.h"

#include "CellText.h"
#include "ReadFailure.h"
#include "XlsStream.h"

#include <QStringDecoder>

#include <cmath>
#include <cstring>
#include <utility>

namespace gsm {

static_assert(xlsstream::kMaxDeclaredCells == limits::kMaxCellsRead);
static_assert(xlsstream::kMaxFileBytes == limits::kMaxFileBytes);
static_assert(xlsstream::kMaxTextBytes == limits::kMaxCellCharacters * 3);

namespace {

using xlsstream::CellKind;
using xlsstream::Refusal;

struct Malformed {};

// The answer's bytes, read field by field; running out of them, like any
// other surprise, makes the answer malformed.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes) : m_bytes(bytes) {}

    bool AtEnd() const { return m_at == m_bytes.size(); }
    char Byte() { return Take(1).front(); }
    std::uint32_t U32() { return std::uint32_t(Little(4)); }
    std::uint64_t U64() { return Little(8); }
    QByteArrayView Take(qsizetype count) {
        if (count < 0 || count > m_bytes.size() - m_at)
            throw Malformed{};
        const QByteArrayView view(m_bytes.constData() + m_at, count);
        m_at += count;
        return view;
    }

private:
    std::uint64_t Little(int width) {
        const QByteArrayView bytes = Take(width);
        std::uint64_t value = 0;
        for (int i = width; i-- > 0;)
            value = (value << 8) | std::uint8_t(bytes[i]);
        return value;
    }

    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

QString ContainerText(std::uint32_t fault) {
    switch (ContainerFault(fault)) {
    case ContainerFault::Header:
        return QStringLiteral("its header is not valid");
    case ContainerFault::AllocationTable:
        return QStringLiteral("its allocation table is not valid");
    case ContainerFault::Directory:
        return QStringLiteral("its directory is not valid");
    case ContainerFault::LongName:
        return QStringLiteral("a directory entry's name is too long");
    }
    throw Malformed{};
}

// The reader's refusal in the program's words.
[[noreturn]] void Refuse(Cursor& in, const SheetBounds& bounds) {
    const std::uint32_t code = in.U32();
    const std::uint32_t a = in.U32();
    const std::uint32_t b = in.U32();
    switch (Refusal(code)) {
    case Refusal::CannotOpen:
        Fail(QStringLiteral("the file cannot be opened"));
    case Refusal::Container:
        FailDamaged(ContainerText(a));
    case Refusal::NoWorkbook:
        Fail(QStringLiteral("it holds no workbook"));
    case Refusal::Protected:
        Fail(QStringLiteral("it is protected by a password"));
    case Refusal::Charset:
        Fail(QStringLiteral("its text is in a character set that cannot be read"));
    case Refusal::NoMemory:
        Fail(QStringLiteral("it needs more memory than any workbook of this program"));
    case Refusal::Extent:
        if (bounds.Contains(a, b))
            throw Malformed{};
        FailDeclaredExtent(a, b, bounds);
    case Refusal::Damaged:
        FailDamaged(QStringLiteral("read error %1").arg(qint32(a)));
    case Refusal::TooLarge:
        Fail(QStringLiteral("it is larger than %1 MiB, more than any workbook of this program")
                 .arg(limits::kMaxFileBytes / (1024 * 1024)));
    case Refusal::LongText:
        FailDamaged(
            QStringLiteral("a cell holds more than %1 characters").arg(limits::kMaxCellCharacters));
    case Refusal::TooManyCells:
        FailTooManyCells(limits::kMaxCellsRead);
    }
    throw Malformed{};
}

// The legacy reader does not say whether a time's format shows seconds. A
// time typed as 08:30 is stored with none and shown without them, so zero
// seconds are left out; any others are kept.
QString WithoutZeroSeconds(const QString& text) {
    const bool hasSeconds = text.size() >= 8 && text.at(text.size() - 6) == QLatin1Char(':') &&
                            text.at(text.size() - 3) == QLatin1Char(':');
    return hasSeconds && text.endsWith(QStringLiteral(":00")) ? text.chopped(3) : text;
}

QString Utf8Text(QByteArrayView bytes) {
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError() || text.size() > limits::kMaxCellCharacters)
        throw Malformed{};
    return text;
}

class AnswerReader {
public:
    AnswerReader(const QByteArray& answer, const SheetBounds& bounds)
        : m_in(answer), m_bounds(bounds) {}

    Sheet Read() {
        if (m_in.Take(xlsstream::kMagic.size()) !=
            QByteArrayView(xlsstream::kMagic.data(), xlsstream::kMagic.size()))
            throw Malformed{};
        for (;;) {
            const char tag = m_in.Byte();
            if (tag == xlsstream::kCellTag) {
                ReadCell();
            } else if (tag == xlsstream::kRefusalTag) {
                Refuse(m_in, m_bounds);
            } else if (tag == xlsstream::kEndTag) {
                if (m_in.U32() != m_cells || !m_in.AtEnd())
                    throw Malformed{};
                return std::move(m_sheet);
            } else {
                throw Malformed{};
            }
        }
    }

private:
    void ReadCell() {
        const qint64 row = m_in.U32();
        const qint64 column = m_in.U32();
        if (row < 1 || row > Sheet::kMaxRows || column < 1 || column > Sheet::kMaxColumns)
            throw Malformed{};
        if (std::pair(row, column) <= std::pair(m_lastRow, m_lastColumn))
            throw Malformed{}; // out of order, or the same cell twice
        m_lastRow = row;
        m_lastColumn = column;
        if (!m_bounds.Contains(row, column))
            FailOutside(row, column, m_bounds);
        if (++m_cells > m_bounds.MaxCells())
            FailTooManyCells(m_bounds.MaxCells());
        const char kind = m_in.Byte();
        QString text;
        if (kind == char(CellKind::Integer) || kind == char(CellKind::Number)) {
            text = NumberValue(CellKind(kind));
        } else if (kind == char(CellKind::Text) || kind == char(CellKind::DateTime)) {
            const std::uint32_t length = m_in.U32();
            if (length > xlsstream::kMaxTextBytes)
                throw Malformed{};
            text = Utf8Text(m_in.Take(length));
            if (kind == char(CellKind::DateTime))
                text = WithoutZeroSeconds(celltext::IsoDateTime(text));
        } else {
            throw Malformed{};
        }
        m_sheet.At(int(row), int(column)) = {text, text, false};
    }

    QString NumberValue(CellKind kind) {
        const std::uint64_t bits = m_in.U64();
        if (kind == CellKind::Integer)
            return QString::number(qint64(bits));
        double number = 0;
        std::memcpy(&number, &bits, sizeof number);
        if (!std::isfinite(number))
            throw Malformed{};
        return celltext::GeneralNumber(number);
    }

    Cursor m_in;
    SheetBounds m_bounds;
    Sheet m_sheet;
    qint64 m_lastRow = 0;
    qint64 m_lastColumn = 0;
    qint64 m_cells = 0;
};

} // namespace

QString UnreadableReason(const QString& why) {
    return QStringLiteral("the file cannot be read (%1)").arg(why);
}

SheetRead ParseXlsAnswer(const QByteArray& answer, const SheetBounds& bounds) {
    try {
        return {AnswerReader(answer, bounds).Read(), {}};
    } catch (const ReadFailure& failure) {
        return {std::nullopt, failure.reason, failure.outsideBounds};
    } catch (const Malformed&) {
        return {std::nullopt, UnreadableReason(QStringLiteral("its reader's answer is malformed"))};
    }
}

} // namespace gsm
