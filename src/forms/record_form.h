#pragma once

#include "forms/form.h"
#include "forms/stored_text.h"
#include "platform/windows_1252.h"

#include <span>

// A form whose fields each edit one member of a record (the server settings, a race).
template <typename Record>
struct RecordField {
    FormField field;
    int Record::*number = nullptr;
    std::string Record::*text = nullptr;
};

template <typename Record>
class RecordForm : public Form {
protected:
    // The fields in the order they are checked; the first that fails ends the checking.
    explicit RecordForm(std::span<const RecordField<Record>> fields)
        : Form(FieldsOf(fields)), m_recordFields(fields) {}

    // Shows the record's members: integers as their text, stored texts as their characters.
    void ShowRecord(const Record& record) {
        for (const RecordField<Record>& bound : m_recordFields) {
            FieldValue value;
            if (bound.number != nullptr)
                value.number = record.*bound.number;
            if (bound.field.kind == FieldKind::Integer)
                value.text = std::to_string(value.number);
            if (bound.text != nullptr)
                value.text = Utf8FromStored(record.*bound.text);
            Show(bound.field.key, value);
        }
    }

    // Checks the fields in their order, writing each that passes into record; the first that fails ends
    // the reading with its problem. A text left as it showed keeps the record's bytes; a choice showing
    // none keeps the record's number.
    std::optional<FormProblem> ReadRecord(Record& record) const {
        for (const RecordField<Record>& bound : m_recordFields) {
            const FieldValue& value = Value(bound.field.key);
            int number = bound.number != nullptr ? record.*bound.number : 0;
            if (std::optional<Message> problem = CheckFieldValue(bound.field, value, number))
                return FormProblem{bound.field.key, *problem};
            bool chosen = bound.field.kind != FieldKind::Choice || (number >= 0 && number < bound.field.high);
            if (bound.number != nullptr && chosen)
                record.*bound.number = number;
            if (bound.text != nullptr)
                record.*bound.text = EditedText(record.*bound.text, value.text);
        }
        return std::nullopt;
    }

    // Copies the fields' members from one record to another.
    void CopyFields(const Record& from, Record& to) const {
        for (const RecordField<Record>& bound : m_recordFields) {
            if (bound.number != nullptr)
                to.*bound.number = from.*bound.number;
            if (bound.text != nullptr)
                to.*bound.text = from.*bound.text;
        }
    }

private:
    static std::vector<FormField> FieldsOf(std::span<const RecordField<Record>> fields) {
        std::vector<FormField> plain;
        for (const RecordField<Record>& bound : fields)
            plain.push_back(bound.field);
        return plain;
    }

    std::span<const RecordField<Record>> m_recordFields;
};
