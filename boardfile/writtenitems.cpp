#include "writtenitems.h"

QByteArray WrittenItems::find(const void *part, quint64 identity)
{
    const auto found = kept.find(part);
    if (found == kept.end() || found->identity != identity)
        return QByteArray();
    found->writing = writing;
    return found->bytes;
}

void WrittenItems::keep(const void *part, quint64 identity, const QByteArray &bytes)
{
    kept.insert(part, {identity, bytes, writing});
}

void WrittenItems::finishWriting()
{
    kept.removeIf(
        [this](QHash<const void *, Kept>::iterator entry) { return entry->writing != writing; });
    ++writing;
}
