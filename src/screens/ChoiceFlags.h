// SPDX-License-Identifier: MIT
#pragma once

// A row of Count one-byte flags of which at most one is set: the exercise flags (which exercise the catalogue
// chose) and the demonstration flags (which demonstration program was started last). Kept as the index of
// the set flag, so the one-chosen rule cannot be broken; readers still ask flag by flag, in slot order.
template <int Count> class ChoiceFlags final {
public:
    static constexpr int size() { return Count; }

    // All flags 0.
    void clear() { m_chosen = -1; }
    // The flag of slot to 1 and every other to 0; a slot outside the row sets nothing.
    void set(int slot) { m_chosen = slot >= 0 && slot < Count ? slot : -1; }
    bool isSet(int slot) const { return slot == m_chosen && slot >= 0; }
    unsigned char operator[](int slot) const { return isSet(slot) ? 1 : 0; }
    // The set slot, or -1 when none is set.
    int chosen() const { return m_chosen; }

private:
    int m_chosen = -1;
};
