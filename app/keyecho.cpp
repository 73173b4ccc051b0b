#include "keyecho.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int showMs = 1500;
constexpr int fadeStepMs = 30;
constexpr qreal fadeAmount = 0.1;
constexpr int longestWord = 40; // characters; older ones scroll out on the left
constexpr int pointSize = 22;
constexpr int margin = 14;
constexpr int bottomGap = 40;

// A key that, without Ctrl, Alt or Meta, types text: a letter, a digit, a sign or space.
bool typesText(Qt::KeyboardModifiers modifiers, const QString &text)
{
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !(modifiers & chords) && !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

KeyEcho::KeyEcho(QObject *parent)
    : QObject(parent)
{
    fadeDelay.setSingleShot(true);
    fadeDelay.setInterval(showMs);
    connect(&fadeDelay, &QTimer::timeout, this, &KeyEcho::startFading);
    fading.setInterval(fadeStepMs);
    connect(&fading, &QTimer::timeout, this, &KeyEcho::fadeStep);
}

void KeyEcho::press(Qt::Key key,
                    Qt::KeyboardModifiers modifiers,
                    const QString &text,
                    bool privateTyping)
{
    if (typesText(modifiers, text)) {
        if (!typing) {
            shown.clear();
            typing = true;
        }
        shown += privateTyping ? QStringLiteral("•") : text;
        if (shown.size() > longestWord)
            shown = shown.right(longestWord);
        lastCombination = QKeySequence();
    } else {
        typing = false;
        const QKeySequence combination(QKeyCombination(modifiers, key));
        repeats = combination == lastCombination ? repeats + 1 : 1;
        lastCombination = combination;
        const QString written = combination.toString(QKeySequence::PortableText);
        shown = repeats > 1 ? QStringLiteral("%1 x%2").arg(written).arg(repeats) : written;
    }
    opacity = 1.0;
    fading.stop();
    fadeDelay.start();
    emit changed();
}

void KeyEcho::clear()
{
    shown.clear();
    typing = false;
    lastCombination = QKeySequence();
    fadeDelay.stop();
    fading.stop();
    emit changed();
}

QString KeyEcho::text() const
{
    return shown;
}

void KeyEcho::startFading()
{
    fading.start();
}

void KeyEcho::fadeStep()
{
    opacity -= fadeAmount;
    if (opacity <= 0) {
        clear();
        return;
    }
    emit changed();
}

QRect KeyEcho::boxIn(const QRect &area) const
{
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(true);
    const QSize text = QFontMetrics(font).size(Qt::TextSingleLine, shown);
    const QSize box = text + QSize(2 * margin, margin);
    return QRect(QPoint(area.center().x() - box.width() / 2,
                        area.bottom() - bottomGap - box.height()),
                 box);
}

void KeyEcho::paint(QPainter *painter, const QRect &area) const
{
    if (shown.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setOpacity(opacity);
    const QRect box = boxIn(area);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(20, 20, 20, 200));
    painter->drawRoundedRect(box, 10, 10);
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(Qt::white);
    painter->drawText(box, Qt::AlignCenter, shown);
    painter->restore();
}
