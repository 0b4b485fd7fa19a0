#include "player/settings_file.h"

#include <climits>
#include <cmath>
#include <functional>
#include <optional>

#include "controls/number_text.h"
#include "platform/ascii_case.h"
#include "platform/files.h"
#include "platform/text_fields.h"
#include "player/program.h"

namespace zuk {
namespace {

// One key of the file: how its value is written from the controls and put back into them.
// load gives false when the value is of a kind the key cannot take.
struct Key {
    std::string name;
    std::function<std::string()> save;
    std::function<bool(const SettingsValue&)> load;
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}
std::string Boolean(bool on) {
    return on ? "#TRUE#" : "#FALSE#";
}

std::optional<bool> ToBool(const SettingsValue& v) {
    if (const bool* b = std::get_if<bool>(&v.value)) return *b;
    if (const double* d = std::get_if<double>(&v.value)) return *d != 0;
    const std::string& text = std::get<std::string>(v.value);
    if (EqualIgnoringCase(text, "true")) return true;
    if (EqualIgnoringCase(text, "false")) return false;
    return std::nullopt;
}

// A whole number within [min, max]; fractions, booleans and other text do not convert.
std::optional<int> ToInteger(const SettingsValue& v, long long min, long long max) {
    double d;
    if (const double* n = std::get_if<double>(&v.value)) {
        d = *n;
    } else if (const std::string* text = std::get_if<std::string>(&v.value);
               text && IsNumber(*text)) {
        d = LeadingNumber(*text);
    } else {
        return std::nullopt;
    }
    if (d != std::trunc(d) || d < static_cast<double>(min) || d > static_cast<double>(max))
        return std::nullopt;
    return static_cast<int>(d);
}

std::string ToText(const SettingsValue& v) {
    if (const bool* b = std::get_if<bool>(&v.value)) return *b ? "True" : "False";
    if (std::holds_alternative<double>(v.value)) return v.written;
    return std::get<std::string>(v.value);
}

Key OptionKey(const char* name, OptionButton& o) {
    return {name, [&o] { return Boolean(o.value()); },
            [&o](const SettingsValue& v) {
                const auto on = ToBool(v);
                if (on) o.setValue(*on);
                return on.has_value();
            }};
}

Key MenuKey(const char* name, MenuItem& item) {
    return {name, [&item] { return Boolean(item.checked()); },
            [&item](const SettingsValue& v) {
                const auto on = ToBool(v);
                if (on) item.setChecked(*on);
                return on.has_value();
            }};
}

// Slider values out of the slider's range are clamped to it.
Key SliderKey(const char* name, Slider& s) {
    return {name, [&s] { return std::to_string(s.value()); },
            [&s](const SettingsValue& v) {
                const auto n = ToInteger(v, INT_MIN, INT_MAX);
                if (n) s.setValue(*n);
                return n.has_value();
            }};
}

Key CheckKey(const char* name, CheckBox& c, std::function<void()> after = {}) {
    return {name, [&c] { return std::to_string(c.value()); },
            [&c, after](const SettingsValue& v) {
                const auto n = ToInteger(v, 0, 1);
                if (!n) return false;
                c.setValue(*n);
                if (after) after();
                return true;
            }};
}

Key TextKey(std::string name, std::function<const std::string&()> get,
            std::function<void(std::string)> set) {
    return {std::move(name), [get] { return Quoted(get()); },
            [set](const SettingsValue& v) {
                set(ToText(v));
                return true;
            }};
}

// The 27 keys in the order they are written.
std::vector<Key> Keys(Program& p) {
    MainWindow& m = p.Main;
    std::vector<Key> keys = {
        OptionKey("Option1.Value", m.Option1),
        OptionKey("Option2.Value", m.Option2),
        OptionKey("Option3.Value", m.Option3),
        TextKey(
            "Text1.Text", [&m]() -> const std::string& { return m.Text1.text(); },
            [&m](std::string t) { m.Text1.setText(std::move(t)); }),
        OptionKey("Option4.Value", m.Option4),
        SliderKey("Slider1.Value", m.Slider1),
        MenuKey("mnuSetTemae.Checked", m.mnuSetTemae),
        MenuKey("mnuSetListshow.Checked", m.mnuSetListshow),
        MenuKey("mnuSetRemote.Checked", m.mnuSetRemote),
        MenuKey("mnuSetMute.Checked", m.mnuSetMute),
        MenuKey("mnuSetClip.Checked", m.mnuSetClip),
        CheckKey("Check4.Value", m.Check4),
        SliderKey("Slider3.Value", m.Slider3),
        SliderKey("Slider2.Value", m.Slider2),
        // List play runs its click handling once more, whether or not the value changed.
        CheckKey("Check1.Value", m.Check1, [&m] { m.Check1.fireClick(); }),
        CheckKey("Check2.Value", m.Check2),
        CheckKey("Check3.Value", m.Check3),
        CheckKey("Check5.Value", m.Check5),
    };
    for (std::size_t i = 0; i < p.Remote.Command1.size(); ++i) {
        Button& b = p.Remote.Command1[i];
        keys.push_back(TextKey(
            "Remote.Command1(" + std::to_string(i) + ").Caption",
            [&b]() -> const std::string& { return b.caption(); },
            [&b](std::string t) { b.setCaption(std::move(t)); }));
    }
    keys.push_back(CheckKey("Foldaset.Check1.Value", p.FoldaSet.Check1));
    return keys;
}

constexpr const char* kExtensionKey = "Foldaset.List1.List";

std::string Record(const std::string& key, const std::string& value) {
    return Quoted(key) + "," + value + "\r\n";
}

SettingsValue TypedValue(TextField field) {
    if (!field.quoted) {
        if (EqualIgnoringCase(field.text, "#TRUE#")) return {true, field.text};
        if (EqualIgnoringCase(field.text, "#FALSE#")) return {false, field.text};
        if (IsNumber(field.text)) return {LeadingNumber(field.text), field.text};
    }
    std::string text = field.text;
    return {std::move(text), std::move(field.text)};
}

void Apply(Program& p, const std::vector<Key>& keys, const SettingsRecord& record) {
    if (EqualIgnoringCase(record.key, kExtensionKey)) {
        p.FoldaSet.List1.add(ToText(record.value));
        return;
    }
    for (const Key& key : keys) {
        if (!EqualIgnoringCase(record.key, key.name)) continue;
        key.load(record.value);  // a value of the wrong kind skips only this record
        return;
    }
}

}  // namespace

std::vector<SettingsRecord> ParseSettings(std::string_view bytes) {
    std::vector<TextField> fields = ReadTextFields(bytes, TrailingBlanks::Trim);
    std::erase_if(fields, [](const TextField& f) { return f.emptyLine; });
    std::vector<SettingsRecord> records;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2)
        records.push_back({std::move(fields[i].text), TypedValue(std::move(fields[i + 1]))});
    return records;
}

std::string FormatSettings(Program& p) {
    std::string out;
    for (const Key& key : Keys(p)) out += Record(key.name, key.save());
    for (const std::string& extension : p.FoldaSet.List1.texts())
        out += Record(kExtensionKey, Quoted(extension));
    return out;
}

void LoadSettings(Program& p, const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return;
    const std::vector<Key> keys = Keys(p);
    for (const SettingsRecord& record : ParseSettings(*bytes)) Apply(p, keys, record);
}

bool SaveSettings(Program& p, const std::string& path) {
    return WriteFileAtomically(path, FormatSettings(p));
}

}  // namespace zuk
