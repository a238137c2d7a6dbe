// The hook library's loader feeding a list: every record it hands over fits a record of
// `RecordSize` bytes and is a terminated text of the length it says.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "shared/hook_rem_loader.h"

template <std::size_t RecordSize> struct CollectRecords : luna::HookRecordSink {
    void Opened() override {}
    void Take(const char* text, std::size_t length) override {
        FUZZ_CHECK(length <= RecordSize && std::strlen(text) == length);
        taken.emplace_back(text, length);
    }
    std::vector<std::string> taken;
};
