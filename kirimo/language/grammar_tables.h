#pragma once
// The built-in grammar tables, as the lines TGrammarData holds.
#include <span>

#include "common/string_list.h"

TStringList BuiltInWordTypes();
TStringList BuiltInFormNames();
TStringList BuiltInEndings();
TStringList BuiltInParticles();
TStringList BuiltInConnections();

// One compressed row of the connection table: the preceding types ("001",
// "002-020 023"), one form, and the follower ids separated by blanks.
struct TConnectionRow {
  const char* Types;
  int Form;
  const char* Followers;
};

// The lines "type,form,follower" the rows stand for, sorted by type, then
// form, then follower, each once.
TStringList ExpandConnectionRows(std::span<const TConnectionRow> rows);
