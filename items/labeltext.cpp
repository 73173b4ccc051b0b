#include "labeltext.h"

#include <QMimeData>

namespace {

// Elements whose end starts a new line of text.
bool endsLine(QStringView name)
{
    static const QStringList names{"br",
                                   "p",
                                   "div",
                                   "tr",
                                   "li",
                                   "ul",
                                   "ol",
                                   "table",
                                   "h1",
                                   "h2",
                                   "h3",
                                   "h4",
                                   "h5",
                                   "h6",
                                   "pre",
                                   "blockquote",
                                   "hr",
                                   "dt",
                                   "dd"};
    return names.contains(name.toString());
}

// Elements whose content is not text for the reader.
bool hidesContent(QStringView name)
{
    return name == u"script" || name == u"style" || name == u"head" || name == u"title";
}

QChar decodedEntity(QStringView entity)
{
    if (entity.startsWith(u'#')) {
        bool ok = false;
        const uint code = entity.startsWith(u"#x") || entity.startsWith(u"#X")
                              ? entity.mid(2).toUInt(&ok, 16)
                              : entity.mid(1).toUInt(&ok, 10);
        // Characters outside the basic plane and control codes read as a space.
        return ok && code >= 0x20 && code < 0xd800 ? QChar(char16_t(code)) : QChar(u' ');
    }
    static const QList<std::pair<QString, QChar>> named{{"amp", u'&'},
                                                        {"lt", u'<'},
                                                        {"gt", u'>'},
                                                        {"quot", u'"'},
                                                        {"apos", u'\''},
                                                        {"nbsp", QChar(0xa0)}};
    for (const auto &[name, character] : named) {
        if (entity == name)
            return character;
    }
    return QChar();
}

// Collects the text, folding runs of white space as a browser shows them and stopping at the
// limit.
class TextCollector
{
public:
    explicit TextCollector(int limit)
        : limit(limit)
    {}

    bool full() const { return text.size() >= limit; }
    bool overflowed() const { return overflow; }
    QString result() const { return text.trimmed(); }

    void addChar(QChar c)
    {
        if (c.isSpace() && c != QChar(0xa0)) {
            pendingSpace = !text.isEmpty() && !text.endsWith(u'\n');
            return;
        }
        if (pendingSpace)
            append(u' ');
        pendingSpace = false;
        append(c);
    }

    void addLineBreak()
    {
        pendingSpace = false;
        if (!text.isEmpty() && !text.endsWith(u'\n'))
            append(u'\n');
    }

private:
    void append(QChar c)
    {
        if (full()) {
            overflow = true;
            return;
        }
        text.append(c);
    }

    const int limit;
    QString text;
    bool pendingSpace = false;
    bool overflow = false;
};

// The name of the element a tag opens or closes, lower case; empty for comments and the like.
QString tagName(QStringView tag, bool *closing)
{
    *closing = tag.startsWith(u'/');
    if (*closing)
        tag = tag.mid(1);
    qsizetype end = 0;
    while (end < tag.size() && tag.at(end).isLetterOrNumber())
        ++end;
    return tag.left(end).toString().toLower();
}

// Reads the tag (or comment) that starts at i, adding the breaks it stands for; returns where
// the text goes on: past a tag whose content is never shown, past its end tag too.
qsizetype afterTag(const QString &html, qsizetype i, TextCollector &collector)
{
    if (QStringView(html).mid(i).startsWith(u"<!--")) {
        const qsizetype end = html.indexOf(u"-->", i + 4);
        return end < 0 ? html.size() : end + 3;
    }
    const qsizetype end = html.indexOf(u'>', i + 1);
    if (end < 0)
        return html.size();
    bool closing = false;
    const QString name = tagName(QStringView(html).mid(i + 1, end - i - 1), &closing);
    if (!closing && hidesContent(name)) {
        const qsizetype close = html.indexOf(QStringLiteral("</") + name,
                                             end + 1,
                                             Qt::CaseInsensitive);
        return close < 0 ? html.size() : close;
    }
    if (endsLine(name))
        collector.addLineBreak();
    else if (name == u"td" || name == u"th")
        collector.addChar(u' ');
    return end + 1;
}

// Adds the character an entity at i stands for and returns where the text goes on; i itself
// when there is no entity the label knows there.
qsizetype afterEntity(const QString &html, qsizetype i, TextCollector &collector)
{
    if (html.at(i) != u'&')
        return i;
    const qsizetype end = html.indexOf(u';', i + 1);
    if (end <= i || end - i > 10)
        return i;
    const QChar decoded = decodedEntity(QStringView(html).mid(i + 1, end - i - 1));
    if (decoded.isNull())
        return i;
    collector.addChar(decoded);
    return end + 1;
}

} // namespace

namespace LabelText {

QString fromHtml(const QString &html, int limit, bool *truncated)
{
    TextCollector collector(limit);
    qsizetype i = 0;
    while (i < html.size() && !collector.overflowed()) {
        if (html.at(i) == u'<') {
            i = afterTag(html, i, collector);
        } else if (const qsizetype next = afterEntity(html, i, collector); next > i) {
            i = next;
        } else {
            collector.addChar(html.at(i++));
        }
    }
    if (truncated)
        *truncated = collector.overflowed();
    return collector.result();
}

QString fromMimeData(const QMimeData &data, int limit, bool *truncated)
{
    if (truncated)
        *truncated = false;
    if (data.hasText()) {
        QString text = data.text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (text.size() > limit) {
            if (truncated)
                *truncated = true;
            text.truncate(limit);
        }
        return text;
    }
    if (data.hasHtml())
        return fromHtml(data.html(), limit, truncated);
    return QString();
}

} // namespace LabelText
