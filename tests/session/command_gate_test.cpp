#include "common/command_gate.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qor {
namespace {

using Hold = CommandGate::Hold;

TEST(CommandGate, ClosedUntilReadyAndAgainAfterClosing) {
    CommandGate gate;
    EXPECT_FALSE(gate.open());
    gate.setReady(true);
    EXPECT_TRUE(gate.open());
    gate.setReady(false);
    EXPECT_FALSE(gate.open());
}

TEST(CommandGate, NestedScopesReleaseOnlyThemselvesAndTheHoldsStayApart) {
    CommandGate gate;
    gate.setReady(true);
    {
        const CommandGate::Scope outer(gate, Hold::Commands);
        {
            const CommandGate::Scope inner(gate, Hold::Commands);
            const CommandGate::Scope searches(gate, Hold::Searches);
            EXPECT_TRUE(gate.quiet());
            EXPECT_TRUE(gate.searchesHeld());
        }
        // The inner end leaves the outer hold in force.
        EXPECT_TRUE(gate.quiet());
        EXPECT_FALSE(gate.open());
        EXPECT_FALSE(gate.searchesHeld());
    }
    EXPECT_FALSE(gate.quiet());
    EXPECT_TRUE(gate.open());
    {
        // Holding the searches lets the commands run.
        const CommandGate::Scope searches(gate, Hold::Searches);
        EXPECT_TRUE(gate.open());
        EXPECT_TRUE(gate.searchesHeld());
    }
    EXPECT_FALSE(gate.searchesHeld());
}

TEST(CommandGate, AnExceptionLeavingAScopeReleasesItsHold) {
    CommandGate gate;
    gate.setReady(true);
    const CommandGate::Scope outer(gate, Hold::Searches);
    EXPECT_THROW(
        {
            const CommandGate::Scope quiet(gate, Hold::Commands);
            const CommandGate::Scope searches(gate, Hold::Searches);
            throw std::runtime_error("handler failed");
        },
        std::runtime_error);
    EXPECT_FALSE(gate.quiet());
    EXPECT_TRUE(gate.searchesHeld()); // the outer scope still holds
    EXPECT_TRUE(gate.open());
}

} // namespace
} // namespace qor
