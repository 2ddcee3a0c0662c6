#pragma once
// Holds the window's commands off while they must not run: before the window
// is ready and after it starts closing, and while code changes controls whose
// handlers would otherwise react. A hold lasts as long as its scope; scopes
// nest and each one releases only itself, also when an exception leaves it.

#include <array>
#include <cstddef>
#include <cstdint>

namespace qor {

class CommandGate {
  public:
    enum class Hold : std::uint8_t {
        // A control changes under code: its own command does not run.
        Commands,
        // Several controls change in a row: their commands run, but the
        // searches they ask for wait for the last one.
        Searches,
    };

    class [[nodiscard]] Scope {
      public:
        Scope(CommandGate &gate, Hold hold) : m_gate(gate), m_hold(hold) { ++m_gate.depth(m_hold); }
        ~Scope() { --m_gate.depth(m_hold); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

      private:
        CommandGate &m_gate;
        Hold m_hold;
    };

    // False until the window is made and again once it closes.
    bool ready() const { return m_ready; }
    void setReady(bool ready) { m_ready = ready; }
    bool quiet() const { return depth(Hold::Commands) > 0; }
    bool searchesHeld() const { return depth(Hold::Searches) > 0; }
    // Whether a command started now runs.
    bool open() const { return m_ready && !quiet(); }

  private:
    int &depth(Hold hold) { return m_depth[static_cast<std::size_t>(hold)]; }
    int depth(Hold hold) const { return m_depth[static_cast<std::size_t>(hold)]; }

    bool m_ready = false;
    std::array<int, 2> m_depth{};
};

} // namespace qor
