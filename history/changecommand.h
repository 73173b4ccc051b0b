#pragma once

#include <QUndoCommand>

#include <functional>

// A step that changes one value of the board (a colour, a font, an outline, a stacking level,
// a label's text, the background) from one state to another. apply puts a state in place; the
// items it touches are kept alive by the history, so it may hold plain pointers to them.
template<typename Value>
class ChangeCommand : public QUndoCommand
{
public:
    ChangeCommand(const QString &text,
                  std::function<void(const Value &)> apply,
                  Value before,
                  Value after)
        : QUndoCommand(text)
        , apply(std::move(apply))
        , before(std::move(before))
        , after(std::move(after))
    {}

    void undo() override { apply(before); }
    void redo() override { apply(after); }

private:
    std::function<void(const Value &)> apply;
    Value before;
    Value after;
};
