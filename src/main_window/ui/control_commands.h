#pragma once
// The command of each input control: what runs when the player changes the
// control. A part connects its controls here; the keys, the wheel and the
// drags change a control on the player's behalf and then run its command
// through the window's dispatcher, which finds it here by the control.

#include "common/command_gate.h"

#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

namespace qor {

class ControlCommands {
  public:
    using Command = std::function<void()>;

    ControlCommands(const CommandGate &gate, QObject &context) : m_gate(gate), m_context(context) {}

    // The control's signal runs the command while the gate is open (a
    // control changed by code runs nothing).
    template <typename Control, typename Signal>
    void connect(Control *control, Signal signal, Command command) {
        m_commands.insert(control, command);
        QObject::connect(control, signal, &m_context, [gate = &m_gate, command = std::move(command)] {
            if (gate->open())
                command();
        });
    }
    // Adding to or taking from a list by a double click, a right click or
    // Insert / Delete.
    void addDoubleClick(QObject *control, Command command) {
        m_doubleClicks.insert(control, std::move(command));
    }
    // The first (and every later) entry of a tab page.
    void addEntry(const QWidget *page, Command command) { m_entries.insert(page, std::move(command)); }

    // False when the control has no command of that kind.
    bool run(QObject *control) const { return call(m_commands, control); }
    bool doubleClick(QObject *control) const { return call(m_doubleClicks, control); }
    bool enter(const QWidget *page) const { return call(m_entries, page); }

  private:
    template <typename Key> static bool call(const QHash<Key, Command> &table, Key key) {
        const auto it = table.constFind(key);
        if (it == table.constEnd())
            return false;
        (*it)();
        return true;
    }

    const CommandGate &m_gate;
    QObject &m_context;
    QHash<QObject *, Command> m_commands;
    QHash<QObject *, Command> m_doubleClicks;
    QHash<const QWidget *, Command> m_entries;
};

} // namespace qor
