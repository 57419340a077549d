#include "storage/storedtext.h"

#include "storage/filesystem.h"
#include "text/utf8.h"

#include <algorithm>

namespace {

// How many units the two texts share at their start, never ending inside a character.
qsizetype sharedStart(QStringView a, QStringView b) {
    const auto end = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first;
    qsizetype shared = end - a.begin();
    if (shared > 0 && a[shared - 1].isHighSurrogate())
        --shared;
    return shared;
}

// How many units the two texts share at their end, never starting inside a character.
qsizetype sharedEnd(QStringView a, QStringView b) {
    const auto end = std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first;
    qsizetype shared = end - a.rbegin();
    if (shared > 0 && a[a.size() - shared].isLowSurrogate())
        --shared;
    return shared;
}

} // namespace

StoredText::StoredText(QByteArray bytes)
    : m_bytes(std::move(bytes))
    , m_text(FileSystem::decode(m_bytes)) {}

QByteArray StoredText::bytesFor(const QString& text) const {
    if (text == m_text)
        return m_bytes;
    const QByteArray& mark = FileSystem::kUtf8ByteOrderMark;
    if (!m_bytes.startsWith(mark))
        return FileSystem::encode(text);
    const QByteArrayView body = QByteArrayView(m_bytes).sliced(mark.size());
    const qsizetype start = sharedStart(m_text, text);
    const qsizetype end =
        sharedEnd(QStringView(m_text).sliced(start), QStringView(text).sliced(start));
    const qsizetype editFrom = text::utf8BytesOfUnits(body, start);
    const qsizetype editTo = text::utf8BytesOfUnits(body, m_text.size() - end);
    QByteArray bytes = mark + body.first(editFrom).toByteArray() +
                       QStringView(text).sliced(start, text.size() - start - end).toUtf8() +
                       body.sliced(editTo).toByteArray();
    // Invalid bytes on either side of the edit could join the new ones into another character:
    // what is stored must read back as the text shown, so then the whole text is stored anew.
    if (FileSystem::decode(bytes) != text)
        bytes = mark + text.toUtf8();
    return bytes;
}
