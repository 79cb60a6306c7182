#pragma once
// The five built-in grammar tables as lists of text lines, the form their
// readers and the registration dialog take them in.
#include <string_view>

#include "common/string_list.h"

class TGrammarData {
 public:
  TGrammarData();

  // "type=e0,...,e11", one per conjugation type.
  const TStringList& Endings() const { return EndingLines; }
  // "type,form,follower", ascending by type, then form, then follower.
  const TStringList& Connections() const { return ConnectionLines; }
  // "id,key,reading,notation,type".
  const TStringList& Particles() const { return ParticleLines; }
  // "code=name" for the word types 000 to 022.
  const TStringList& WordTypes() const { return WordTypeLines; }
  // "index=name" for the forms 00 to 13.
  const TStringList& FormNames() const { return FormNameLines; }

  // The endings after "=" of the row of type; empty when there is none.
  std::string_view EndingsOf(int type) const;
  // The name after "=" of a form; empty when there is none.
  std::string_view FormName(int form) const;

 private:
  TStringList EndingLines;
  TStringList ConnectionLines;
  TStringList ParticleLines;
  TStringList WordTypeLines;
  TStringList FormNameLines;
};

// The program's tables, built on first use.
const TGrammarData& GetGrammarData();
