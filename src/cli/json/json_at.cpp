#include "json_at.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace tikaroo::cli {

namespace {

std::string Entries(std::size_t count) {
    return "has " + std::to_string(count) + (count == 1 ? " entry" : " entries");
}

QString Key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

void JsonAt::Fail(const std::string& problem) const {
    throw ModelJsonError(path + ": " + problem);
}

std::string JsonAt::Shown() const {
    if (value.isObject()) return "an object";
    if (value.isArray()) return "an array";
    if (value.isDouble()) {
        std::ostringstream number;
        number.precision(17);
        number << value.toDouble();
        return number.str();
    }
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1).toStdString();
}

JsonAt JsonAt::Member(std::string_view name) const {
    if (!value.isObject()) Fail(Shown() + " is not an object");
    const QJsonObject object = value.toObject();
    const auto member = object.find(Key(name));
    const std::string memberPath = path + "." + std::string(name);
    if (member == object.end()) throw ModelJsonError(memberPath + ": missing");
    return {member.value(), memberPath};
}

bool JsonAt::Has(std::string_view name) const {
    return value.toObject().contains(Key(name));
}

void JsonAt::OnlyMembers(const std::vector<std::string_view>& known) const {
    if (!value.isObject()) Fail(Shown() + " is not an object");
    for (const QString& key : value.toObject().keys()) {
        const std::string name = key.toStdString();
        if (std::find(known.begin(), known.end(), name) == known.end())
            throw ModelJsonError(path + "." + name + ": not a field of this record");
    }
}

JsonAt JsonAt::Item(std::size_t index) const {
    return {value.toArray().at(static_cast<qsizetype>(index)), path + "[" + std::to_string(index) + "]"};
}

std::vector<JsonAt> JsonAt::Items(std::size_t min, std::size_t max) const {
    if (!value.isArray()) Fail(Shown() + " is not an array");
    const auto count = static_cast<std::size_t>(value.toArray().size());
    if (min == max && count != min) Fail(Entries(count) + ", not " + std::to_string(min));
    if (count < min) Fail(Entries(count) + ", at least " + std::to_string(min));
    if (count > max) Fail(Entries(count) + ", at most " + std::to_string(max));
    std::vector<JsonAt> items;
    items.reserve(count);
    for (std::size_t index = 0; index < count; ++index) items.push_back(Item(index));
    return items;
}

std::int64_t JsonAt::Number(std::int64_t min, std::int64_t max, std::int64_t step) const {
    if (!value.isDouble()) Fail(Shown() + " is not a number");
    const double number = value.toDouble();
    if (number != std::floor(number)) Fail(Shown() + " is not a whole number");
    if (min == max && number != static_cast<double>(min)) Fail(Shown() + " is not " + std::to_string(min));
    if (number < static_cast<double>(min)) Fail(Shown() + " is not at least " + std::to_string(min));
    if (number > static_cast<double>(max)) Fail(Shown() + " is not below " + std::to_string(max + 1));
    const auto whole = static_cast<std::int64_t>(number);
    if (whole % step != 0) Fail(Shown() + " is not a multiple of " + std::to_string(step));
    return whole;
}

bool JsonAt::Boolean() const {
    if (!value.isBool()) Fail(Shown() + " is not true or false");
    return value.toBool();
}

} // namespace tikaroo::cli
