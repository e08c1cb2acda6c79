#pragma once

#include "core/link/platform.h"
#include "core/state/shared_state.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zqf {

// What send_register shows: the register, its new word and its two texts.
struct SentWord {
    int index;
    double word;
    std::string bits; // empty for R7, which has no display pair
    std::string hex;
};

// The link a word was handed to, as comm_link named it.
enum class LinkKind : uint8_t { parallel_port, usb_adapter, none };

// What the platform reported for a word: every call taken, some refused, or
// no link at all (display only).
enum class Delivery : uint8_t { sent, failed, not_sent };

// What became of one word, told once its transfer is over.
struct Transfer {
    int index;
    uint32_t word;
    LinkKind link;
    Delivery delivery;
    std::string reason; // why it failed, in the platform's words; empty otherwise
};

// The one road to the chip: every register write, from anywhere, goes through
// send_register with reg_index set just before.
class RegisterLink {
  public:
    RegisterLink(SharedState& state, Platform& platform) : state_(state), platform_(platform) {}

    // Told after each word is assembled and shown, before it is transferred.
    // Returns an id for remove_observer.
    int add_observer(std::function<void(const SentWord&)> observer);
    // Told after each word's transfer, with what the platform reported.
    int add_transfer_observer(std::function<void(const Transfer&)> observer);
    // Ends an observer of either kind.
    void remove_observer(int id);
    // Replaces every observer with this one.
    void set_observer(std::function<void(const SentWord&)> observer);

    // Told when a freshly assembled word is refused instead of sent, with the
    // reason naming the register; the program shows it to the user.
    void set_refusal_handler(std::function<void(const std::string&)> handler);

    // Assembles the register named by reg_index, shows it and transfers it
    // over the link named by comm_link ("par", "usb"; anything else: display only).
    void send_register();

    // Stores `index` in reg_index and sends that register.
    void send(int index);

    // The device's registers in their fixed order (nothing for an unknown device).
    void send_all_registers();
    // All eight registers of the dual family (nothing for other devices).
    void send_every_register();
    // The IF set: R6, R5, R4, R3.
    void send_if_registers();

    // While held, words are assembled, checked and shown as always, but their
    // transfers wait: release() then hands them to the link in order, and
    // discard() drops them, so a change that is refused halfway sends nothing.
    void hold() { holding_ = true; }
    void release();
    void discard();
    bool holding() const { return holding_; }

    SharedState& state() { return state_; }
    Platform& platform() { return platform_; }

  private:
    // Transfers the word and tells the transfer observers.
    void deliver(int index);
    void send_each(std::span<const int> order);
    // Hands tx_word to the link of comm_link and says what became of it.
    Transfer transfer(int index);

    SharedState& state_;
    Platform& platform_;
    std::vector<std::pair<int, std::function<void(const SentWord&)>>> observers_;
    std::vector<std::pair<int, std::function<void(const Transfer&)>>> transfer_observers_;
    std::function<void(const std::string&)> refusal_handler_;
    int next_observer_ = 1;
    bool holding_ = false;
    std::vector<std::pair<int, double>> held_; // register and word, in the order sent
};

} // namespace zqf
