#include "core/link/register_link.h"

#include "core/link/parallel_link.h"
#include "core/link/usb_link.h"
#include "core/link/write_orders.h"
#include "core/registers/assembly.h"
#include "core/state/device_profile.h"
#include "core/text/convert.h"

namespace zqf {

void RegisterLink::send_register() {
    const Assembled result = assemble_register(state_);
    if (result.outcome == Assembly::refused) {
        if (refusal_handler_) {
            refusal_handler_(result.refusal);
        }
        return;
    }
    if (result.outcome != Assembly::assembled && result.outcome != Assembly::resent) {
        return;
    }
    const int index = state_.reg_index;
    if (!observers_.empty()) {
        const bool shown = is_shown_register(index);
        const SentWord sent{index, state_.tx_word,
                            shown ? state_.reg_text_bin[static_cast<std::size_t>(index)]
                                  : std::string(),
                            word_hex(state_.tx_word)};
        const auto observers = observers_;
        for (const auto& [id, observer] : observers) {
            observer(sent);
        }
    }
    if (holding_) {
        held_.emplace_back(index, state_.tx_word);
        return;
    }
    deliver(index);
}

void RegisterLink::deliver(int index) {
    const Transfer done = transfer(index);
    if (!transfer_observers_.empty()) {
        const auto observers = transfer_observers_;
        for (const auto& [id, observer] : observers) {
            observer(done);
        }
    }
}

void RegisterLink::release() {
    holding_ = false;
    const std::vector<std::pair<int, double>> held = std::move(held_);
    held_.clear();
    const double last = state_.tx_word;
    for (const auto& [index, word] : held) {
        state_.tx_word = word;
        deliver(index);
    }
    state_.tx_word = last;
}

void RegisterLink::discard() {
    holding_ = false;
    held_.clear();
}

Transfer RegisterLink::transfer(int index) {
    Transfer done{index, word_bits(state_.tx_word), LinkKind::none, Delivery::not_sent, {}};
    const uint64_t failed_before = platform_.failed_transfers();
    bool refused = false;
    if (state_.comm_link == "par") {
        done.link = LinkKind::parallel_port;
        shift_word_parallel(state_, platform_);
        pulse_le_parallel(state_, platform_);
    } else if (state_.comm_link == "usb") {
        done.link = LinkKind::usb_adapter;
        const int16_t result = shift_word_usb(state_, platform_);
        refused = result < 0;
        if (refused) {
            done.reason = "the adapter answered " + std::to_string(result);
        }
    } else {
        return done;
    }
    if (!refused && platform_.failed_transfers() == failed_before) {
        done.delivery = Delivery::sent;
        return done;
    }
    done.delivery = Delivery::failed;
    if (std::string reason = platform_.transfer_failure(); !reason.empty()) {
        done.reason = std::move(reason);
    } else if (done.reason.empty()) {
        done.reason = "the port did not take every write";
    }
    return done;
}

int RegisterLink::add_observer(std::function<void(const SentWord&)> observer) {
    const int id = next_observer_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

int RegisterLink::add_transfer_observer(std::function<void(const Transfer&)> observer) {
    const int id = next_observer_++;
    transfer_observers_.emplace_back(id, std::move(observer));
    return id;
}

void RegisterLink::remove_observer(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
    std::erase_if(transfer_observers_, [id](const auto& entry) { return entry.first == id; });
}

void RegisterLink::set_observer(std::function<void(const SentWord&)> observer) {
    observers_.clear();
    add_observer(std::move(observer));
}

void RegisterLink::set_refusal_handler(std::function<void(const std::string&)> handler) {
    refusal_handler_ = std::move(handler);
}

void RegisterLink::send(int index) {
    state_.reg_index = static_cast<uint8_t>(index);
    send_register();
}

void RegisterLink::send_each(std::span<const int> order) {
    for (const int index : order) {
        send(index);
    }
}

void RegisterLink::send_all_registers() {
    send_each(device_profile(state_.device_name).send_all_order);
}

void RegisterLink::send_every_register() {
    send_each(device_profile(state_.device_name).send_every_order);
}

void RegisterLink::send_if_registers() {
    send_each(if_set_order);
}

} // namespace zqf
