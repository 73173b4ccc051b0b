#include "writtenitems.h"

#include <utility>

QByteArray WrittenItems::find(const void *part, quint64 identity)
{
    const auto found = kept.constFind(part);
    if (found == kept.cend() || found->identity != identity)
        return QByteArray();
    asked.insert(part, *found);
    return found->bytes;
}

void WrittenItems::keep(const void *part, quint64 identity, const QByteArray &bytes)
{
    asked.insert(part, {identity, bytes});
}

void WrittenItems::finishWriting()
{
    kept = std::exchange(asked, {});
}
