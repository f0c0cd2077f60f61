#include "web/form_html.h"

#include "results/html_escape.h"

#include <charconv>

namespace {

std::string Attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + HtmlEscape(value) + "\"";
}

std::string Control(const Form& form, const FormField& field, bool refused) {
    const FieldValue& value = form.Value(field.key);
    std::string id = std::string("f-") + field.key;
    std::string common =
        Attribute("id", id) + Attribute("name", field.key) + (form.Enabled(field.key) ? "" : " disabled") +
        (field.readOnly ? " readonly" : "") +
        (refused ? " aria-invalid=\"true\" aria-describedby=\"p-" + std::string(field.key) + "\" autofocus"
                 : "");
    switch (field.kind) {
    case FieldKind::Check:
        return "<label class=\"check\"><input type=\"checkbox\" value=\"1\"" + common +
               (value.number != 0 ? " checked" : "") + ">" + HtmlEscape(field.label) + "</label>";
    case FieldKind::Choice: {
        std::string html = "<label" + Attribute("for", id) + ">" + HtmlEscape(field.label) +
                           "</label><select" + common + ">";
        std::vector<std::string> labels = form.ChoiceLabels(field.key);
        bool listed = value.number >= 0 && value.number < field.high;
        if (!listed)
            html += "<option value=\"-1\" selected></option>";
        for (int k = 0; k < field.high; ++k)
            html += "<option" + Attribute("value", std::to_string(k)) +
                    (k == value.number ? " selected" : "") + ">" +
                    HtmlEscape(k < static_cast<int>(labels.size()) ? labels[k] : std::to_string(k)) +
                    "</option>";
        return html + "</select>";
    }
    case FieldKind::Integer:
    case FieldKind::Text:
        break;
    }
    std::string html = "<label" + Attribute("for", id) + ">" + HtmlEscape(field.label) + "</label><input";
    if (field.secret)
        return html + " type=\"password\" autocomplete=\"new-password\" placeholder=\"(unchanged)\"" +
               common + (field.limit > 0 ? Attribute("maxlength", std::to_string(field.limit)) : "") + ">";
    return html + " type=\"text\"" + common + Attribute("value", value.text) +
           (field.limit > 0 ? Attribute("maxlength", std::to_string(field.limit)) : "") +
           (field.kind == FieldKind::Integer ? " inputmode=\"numeric\"" : "") + ">";
}

} // namespace

std::string FormFieldsHtml(const Form& form, const std::vector<FieldGroup>& groups,
                           const FormProblem* problem) {
    std::string html;
    for (const FieldGroup& group : groups) {
        html += "<fieldset><legend>" + HtmlEscape(group.legend) + "</legend>";
        for (const char* key : group.keys) {
            const FormField& field = form.Field(key);
            bool refused = problem != nullptr && problem->key == key;
            html += "<div class=\"field\">" + Control(form, field, refused);
            if (refused)
                html += "<p class=\"problem\" role=\"alert\"" + Attribute("id", std::string("p-") + key) +
                        ">" + HtmlEscape(problem->message.text) + "</p>";
            html += "</div>";
        }
        html += "</fieldset>";
    }
    return html;
}

void EnterPostedFields(Form& form, const FormPairs& posted) {
    for (const FormField& field : form.Fields()) {
        std::optional<std::string> sent = FormValue(posted, field.key);
        FieldValue value = form.Value(field.key);
        switch (field.kind) {
        case FieldKind::Check:
            value.number = sent ? 1 : 0;
            break;
        case FieldKind::Choice: {
            int position = -1;
            if (sent) {
                auto [end, error] = std::from_chars(sent->data(), sent->data() + sent->size(), position);
                if (error != std::errc() || end != sent->data() + sent->size())
                    position = -1;
            }
            value.number = position;
            break;
        }
        case FieldKind::Integer:
        case FieldKind::Text:
            if (field.secret && sent.value_or("").empty())
                continue;
            value.text = sent.value_or("");
            break;
        }
        form.Enter(field.key, value);
    }
}
