// SPDX-License-Identifier: MIT
#include "tools/vek-calc/report.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "tools/vek-calc/inputs.h"

namespace vek::cli {

namespace {

std::string KeyOf(const Field& output, Keys keys) {
    return keys == Keys::Ids ? std::to_string(output.id) : std::string(output.name);
}

std::string BoxText(const Box& box) {
    return box.caption + " | " + box.text;
}

std::string Choices(const Field& input) {
    std::string list;
    for (std::size_t i = 0; i < input.choices.size(); ++i) {
        list += i == 0 ? "; choices " : ", ";
        list += std::to_string(i);
        for (const std::string& word : input.choices[i]) list += "|" + word;
    }
    return list;
}

}  // namespace

std::string Render(const Calculator& calculator, const Outcome& outcome, Keys keys, Form form) {
    if (!outcome.stopped && outcome.results.size() != calculator.outputs.size())
        throw std::logic_error(std::string(calculator.name) + " gave the wrong number of results");
    if (form == Form::Json) {
        nlohmann::ordered_json object = nlohmann::ordered_json::object();
        if (outcome.box)
            object["box"] = BoxText(*outcome.box);
        for (std::size_t i = 0; i < outcome.results.size(); ++i) {
            const Field& output = *calculator.outputs[i];
            object[KeyOf(output, keys)] = ShowValue(output.kind, outcome.results[i]);
        }
        // A list typed with bytes that are not UTF-8 comes back as typed in
        // the line form; in JSON such bytes become U+FFFD.
        return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    }
    std::string text;
    if (outcome.box)
        text += "box: " + BoxText(*outcome.box) + "\n";
    for (std::size_t i = 0; i < outcome.results.size(); ++i) {
        const Field& output = *calculator.outputs[i];
        text += KeyOf(output, keys) + "=" + ShowValue(output.kind, outcome.results[i]) + "\n";
    }
    return text;
}

std::string InputsHelp(const Calculator& calculator) {
    std::size_t width = 0;
    for (const Field* input : calculator.inputs)
        width = std::max(width, std::string(input->name).size());
    for (const Field* output : calculator.outputs)
        width = std::max(width, std::string(output->name).size());
    const auto pad = [width](const std::string& s) {
        return s + std::string(width + 2 - s.size(), ' ');
    };

    std::string text =
        "Inputs, as name=value or id=value; an input left out keeps the page's start-up value:\n";
    for (const Field* input : calculator.inputs) {
        text += "  " + pad(input->name) + (input->id ? std::to_string(input->id) : "    -") + "  ";
        text += input->meaning;
        if (const char* unit = input->helpUnit ? input->helpUnit : input->unit; *unit)
            text += std::string(" [") + unit + "]";
        text += "; start-up: ";
        if (const auto* number = std::get_if<double>(&input->start))
            text += ShowValue(input->kind, *number);
        else if (const auto* start = std::get_if<std::string>(&input->start))
            text += ShowValue(input->kind, *start);
        else
            text += input->startNote;
        text += Choices(*input) + "\n";
    }
    text += "Results, in the page's order (keyed by id with --ids):\n";
    for (const Field* output : calculator.outputs)
        text += "  " + pad(output->name) + std::to_string(output->id) + "\n";
    return text;
}

std::string EscapeControls(std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\n':
                shown += "\\n";
                continue;
            case '\r':
                shown += "\\r";
                continue;
            case '\t':
                shown += "\\t";
                continue;
            case '\0':
                shown += "\\0";
                continue;
            default:
                break;
        }
        if (byte < 0x20 || byte == 0x7f) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 15];
        } else {
            shown += c;
        }
    }
    return shown;
}

void PrintMessage(std::FILE* err, std::string_view message) {
    std::fprintf(err, "vek-calc: %s\n", EscapeControls(message).c_str());
}

}  // namespace vek::cli
