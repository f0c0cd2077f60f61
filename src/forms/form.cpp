#include "forms/form.h"

#include "forms/field_checks.h"
#include "forms/windows_text_check.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::optional<Message> CheckText(const FormField& field, const std::string& text) {
    std::optional<Message> problem;
    if (field.limit > 0)
        problem = CheckTextLength(text, field.limit);
    const char* simulatorName = field.quotedName != nullptr ? field.quotedName : field.unquotedSimulatorName;
    if (!problem && simulatorName != nullptr)
        problem = CheckWindowsText(text, simulatorName);
    if (!problem && field.quotedName != nullptr)
        problem = CheckQuotedText(text, field.quotedName, field.refuseCommas);
    return problem;
}

} // namespace

std::optional<Message> CheckFieldValue(const FormField& field, const FieldValue& value, int& number) {
    switch (field.kind) {
    case FieldKind::Integer:
        return CheckIntegerField(value.text, field.low, field.high, number);
    case FieldKind::Text:
        return CheckText(field, value.text);
    case FieldKind::Check:
    case FieldKind::Choice:
        number = value.number;
        break;
    }
    return std::nullopt;
}

Form::Form(std::vector<FormField> fields)
    : m_fields(std::move(fields)), m_values(m_fields.size()), m_enabled(m_fields.size(), true) {}

size_t Form::IndexOf(std::string_view key) const {
    auto found = std::find_if(m_fields.begin(), m_fields.end(),
                              [key](const FormField& field) { return field.key == key; });
    if (found == m_fields.end())
        throw std::out_of_range("no field " + std::string(key));
    return static_cast<size_t>(found - m_fields.begin());
}

const FormField& Form::Field(std::string_view key) const {
    return m_fields[IndexOf(key)];
}

const FieldValue& Form::Value(std::string_view key) const {
    return m_values[IndexOf(key)];
}

bool Form::Enabled(std::string_view key) const {
    return m_enabled[IndexOf(key)];
}

std::vector<std::string> Form::ChoiceLabels(std::string_view key) const {
    (void)IndexOf(key);
    return {};
}

void Form::Enter(std::string_view key, FieldValue value) {
    size_t index = IndexOf(key);
    if (m_enabled[index] && !m_fields[index].readOnly)
        m_values[index] = std::move(value);
}

void Form::Show(std::string_view key, FieldValue value) {
    m_values[IndexOf(key)] = std::move(value);
}

void Form::Enable(std::string_view key, bool enabled) {
    m_enabled[IndexOf(key)] = enabled;
}
