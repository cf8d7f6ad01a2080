// The advanced --NAME=VALUE options: one table shared by the command line and profile files.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

enum class OptionForm { Flag, Number, Decimal, Text, Keyword };

// Where an option name is recognised. The frame opacity has one name on the command line and
// another in a profile.
enum class OptionSource { CommandLine, Profile };
enum class OptionPlace { Everywhere, CommandLineOnly, ProfileOnly };

// A switch an option sets besides its value (for a flag, the only thing it sets).
struct OptionSwitch {
    std::uint8_t* field;
    std::uint8_t value;
};

using OptionTarget = std::variant<std::monostate, std::int32_t*, std::uint8_t*, float*, std::string*>;

struct AdvancedOption {
    const char* name;  // upper case, with the two leading dashes
    OptionForm form;
    int table;  // keyword table for OptionForm::Keyword, otherwise -1
    OptionTarget target;  // field of the global settings record; empty for flags
    std::vector<OptionSwitch> switches;
    OptionPlace place = OptionPlace::Everywhere;
};

// Every advanced option, in the order of the help documentation.
const std::vector<AdvancedOption>& AdvancedOptions();
// The option of an upper-case name as recognised from that source, or nullptr.
const AdvancedOption* FindAdvancedOption(const std::string& upperName, OptionSource source);
// Converts the value by the option's form and stores it with the option's switches. Values from
// a profile are trimmed, and the filename mask there also loses its surrounding double quotes.
void ApplyAdvancedOption(const AdvancedOption& option, const std::string& value, OptionSource source);
