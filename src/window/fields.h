// The window's state fields by name, for the script driver and the tests:
// `field NuméroJet`, `field Dés 2`, `field CaseFermée 35`.
#pragma once

#include "window/layer.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace dravonelle {

class JeuYam;

using FieldValue = std::variant<int, bool, std::string>;

struct FieldLookup {
    enum class Status { Ok, UnknownField, BadIndex } status = Status::Ok;
    FieldValue value;
};

// index is -1 for a field that is not an array.
FieldLookup readField(const JeuYam& jeu, const std::string& name, int index);

// Every field name the driver knows, for messages and tests.
std::vector<std::string> fieldNames();
bool fieldIsIndexed(const std::string& name);

}  // namespace dravonelle
