#pragma once

#include <QJsonValue>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tikaroo::cli {

// A model file that breaks a limit: one line with the JSON path of the bad value and what is allowed.
class ModelJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value of a JSON document with the path that leads to it, such as "$.levels[3].eggValues". Every
// read checks the value's type and range and raises ModelJsonError naming the path.
class JsonAt {
public:
    JsonAt(QJsonValue jsonValue, std::string jsonPath)
        : value(std::move(jsonValue)), path(std::move(jsonPath)) {}

    [[noreturn]] void Fail(const std::string& problem) const;

    JsonAt Member(std::string_view name) const;
    bool Has(std::string_view name) const;
    // Refuses a member of any other name: a misspelt field would otherwise be dropped unnoticed.
    void OnlyMembers(const std::vector<std::string_view>& known) const;

    JsonAt Item(std::size_t index) const;
    // The items of an array of `min` to `max` entries.
    std::vector<JsonAt> Items(std::size_t min, std::size_t max) const;

    // A whole number from `min` to `max`, a multiple of `step`.
    std::int64_t Number(std::int64_t min, std::int64_t max, std::int64_t step = 1) const;
    bool Boolean() const;

private:
    std::string Shown() const;

    QJsonValue value;
    std::string path;
};

} // namespace tikaroo::cli
