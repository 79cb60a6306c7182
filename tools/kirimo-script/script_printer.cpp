#include "tools/kirimo-script/script_printer.h"

#include <cstdio>

#include "common/cp932.h"

namespace {

std::string Utf8(const std::string& text) { return Cp932ToUtf8(text); }

// The window usable and its keys not, as a window line says it.
constexpr const char* EnabledWindow = "enabled, keys off";

// "text か" as the recording has it -> text "か"; key operations stay.
std::string OutputLine(const std::string& call) {
  if (!call.starts_with("text ")) return call;
  std::string quoted = "text \"";
  for (char c : Utf8(call.substr(5))) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonList(const TStringList& texts, bool cp932) {
  std::string out = "[";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ",";
    out += JsonString(cp932 ? Utf8(texts[i]) : texts[i]);
  }
  return out + "]";
}

std::string Captions(const TStringList& captions) {
  std::string out;
  for (const std::string& caption : captions) out += "[" + Utf8(caption) + "]";
  return out;
}

void PrintText(std::ostream& out, const std::string& gesture, const TKeypadState& state) {
  out << "> " << gesture << "\n";
  out << "cartridge " << Utf8(state.Cartridge) << "\n";
  out << "keys " << Utf8(state.KeyString) << "\n";
  out << "status " << Utf8(state.Status) << "\n";
  out << "vowels " << (state.VowelRowVisible ? Captions(state.Vowels) : "hidden") << "\n";
  out << (state.GridMode ? "grid " : "buttons ") << Captions(state.Buttons) << "\n";
  out << "list " << state.Items.size() << " top " << state.TopIndex << "\n";
  for (std::size_t i = 0; i < state.Items.size(); ++i) {
    // "*" marks a selected item, "^" the top one.
    std::string index = std::to_string(i);
    out << std::string(index.size() < 4 ? 4 - index.size() : 0, ' ') << index
        << (state.Selected[i] ? " *" : "  ")
        << (static_cast<int>(i) == state.TopIndex ? "^ " : "  ") << Utf8(state.Items[i]) << "\n";
  }
  for (const std::string& call : state.Output) out << "out " << OutputLine(call) << "\n";
  // Only what departs from a keypad at rest, so most steps print none of it.
  if (!state.Pressed.empty()) out << "pressed " << Utf8(state.Pressed) << "\n";
  for (const std::string& event : state.Events) out << "window " << event << "\n";
  if (state.FormEnabled) out << "window " << EnabledWindow << "\n";
  if (!state.Countdown.empty()) out << "countdown " << Utf8(state.Countdown) << "\n";
  if (state.DwellPaused) out << "dwell paused\n";
}

void PrintJson(std::ostream& out, const std::string& gesture, const TKeypadState& state) {
  TStringList output;
  for (const std::string& call : state.Output) output.push_back(OutputLine(call));
  std::string selected = "[";
  for (std::size_t i = 0; i < state.Selected.size(); ++i) {
    if (state.Selected[i]) selected += (selected.size() > 1 ? "," : "") + std::to_string(i);
  }
  selected += "]";
  out << "{\"gesture\":" << JsonString(gesture)
      << ",\"cartridge\":" << JsonString(Utf8(state.Cartridge))
      << ",\"keys\":" << JsonString(Utf8(state.KeyString))
      << ",\"status\":" << JsonString(Utf8(state.Status))
      << ",\"vowels\":" << (state.VowelRowVisible ? JsonList(state.Vowels, true) : "null") << ","
      << (state.GridMode ? "\"grid\":" : "\"buttons\":") << JsonList(state.Buttons, true)
      << ",\"items\":" << JsonList(state.Items, true) << ",\"selected\":" << selected
      << ",\"top\":" << state.TopIndex << ",\"output\":" << JsonList(output, false)
      << ",\"pressed\":" << JsonString(Utf8(state.Pressed))
      << ",\"events\":" << JsonList(state.Events, false)
      << ",\"enabled\":" << (state.FormEnabled ? "true" : "false")
      << ",\"countdown\":" << JsonString(Utf8(state.Countdown))
      << ",\"dwell_paused\":" << (state.DwellPaused ? "true" : "false") << "}\n";
}

}  // namespace

void PrintState(std::ostream& out, TPrintStyle style, const std::string& gesture,
                const TKeypadState& state) {
  switch (style) {
    case TPrintStyle::Text:
      PrintText(out, gesture, state);
      break;
    case TPrintStyle::Json:
      PrintJson(out, gesture, state);
      break;
    case TPrintStyle::Quiet:
      for (const std::string& call : state.Output) out << OutputLine(call) << "\n";
      break;
  }
}

TScriptFacts KeypadFacts(const TKeypadState& state) {
  TScriptFacts facts = {{"cartridge", Utf8(state.Cartridge)},
                        {"keys", Utf8(state.KeyString)},
                        {"status", Utf8(state.Status)},
                        {"vowels", state.VowelRowVisible ? Captions(state.Vowels) : ""},
                        {state.GridMode ? "grid" : "buttons", Captions(state.Buttons)},
                        {"list", std::to_string(state.Items.size())},
                        {"top", std::to_string(state.TopIndex)}};
  if (!state.Items.empty()) facts.push_back({"first", Utf8(state.Items.front())});
  for (std::size_t i = 0; i < state.Items.size(); ++i) {
    facts.push_back({"item", Utf8(state.Items[i])});
    if (state.Selected[i]) facts.push_back({"selected", Utf8(state.Items[i])});
  }
  for (const std::string& call : state.Output) facts.push_back({"out", OutputLine(call)});
  facts.push_back({"pressed", Utf8(state.Pressed)});
  for (const std::string& event : state.Events) facts.push_back({"window", event});
  if (state.FormEnabled) facts.push_back({"window", EnabledWindow});
  facts.push_back({"countdown", Utf8(state.Countdown)});
  if (state.DwellPaused) facts.push_back({"dwell", "paused"});
  return facts;
}
