#pragma once
// The firmware of one virtual mouse: takes the short reports and data reports
// sent to its command collection, keeps what they set, and prepares the
// answers of the queries. No locking: the model's mutex guards it.

#include "VirtualMouse.h"

#include <array>
#include <cstddef>
#include <deque>
#include <vector>

namespace vmouse {

class Firmware
{
public:
    using Short = std::array<uint8_t, 9>;

    FirmwareState state;
    Rejects rejects;

    // A feature report on the command collection (report ID included).
    // `code` is the secrecy code when the reports are scrambled, else null.
    void featureReport(const uint8_t *bytes, size_t length, const uint8_t *code);
    // An output report on the command collection (report ID included).
    void outputReport(const uint8_t *bytes, size_t length);

    // The answer to the last query, scrambled with `code` when given; false
    // when the last report was no query.
    bool answer(Short &out, const uint8_t *code) const;
    // Input reports (without report ID) the last query sends after its answer.
    std::deque<std::vector<uint8_t>> takeQueryData();

    // The next enabled stage after the current one (0..7).
    int nextStage() const;

private:
    void apply(const Short &r);
    void expectData(uint8_t command, int reports, int slot);
    void commitData();

    bool m_hasAnswer = false;
    Short m_answer{};
    std::deque<std::vector<uint8_t>> m_queryData;

    // A data command waiting for its reports.
    uint8_t m_dataCommand = 0;
    int m_dataReportsLeft = 0;
    int m_dataSlot = 0;
    std::vector<uint8_t> m_collected;
};

} // namespace vmouse
