#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "results/ResultColumn.h"
#include "text/Edition.h"
#include "text/TextStore.h"

// Project files keep the texts of the element columns in German with decimal commas, so that a
// file written by one edition opens in every other. These routines translate the columns between
// an edition's language and that stored form.
namespace velmora::project {

// One vocabulary entry of varglob.gru: the German phrase and the phrase of one other language.
struct VocabularyEntry {
  std::string german;
  std::string phrase;
};

// Everything a translation between one language and the stored form needs.
struct LanguageTables {
  text::Edition language = 'D';
  std::string liquidWord;                    // global text 53, after the medium in row 1
  std::string gasWord;                       // global text 63
  std::string inWord;                        // global text 74, between a quantity and its unit
  std::string laminarWord;                   // global text 88
  std::string turbulentWord;                 // global text 142
  std::vector<VocabularyEntry> vocabulary;   // in file order
  std::vector<std::string> kindNames;        // of `language`, index (group − 1)·9 + kind − 1
  std::vector<std::string> germanKindNames;  // the same index
};

// The tables of the store's own edition.
LanguageTables EditionTables(const text::TextStore& texts);

// The vocabulary and kind names of any language (the store keeps all four); the five words are
// left empty for the caller to fill.
LanguageTables TablesIn(const text::TextStore& texts, text::Edition language);

// Translates element columns from the tables' language into the stored form: the phase word of
// row 1, the kind name of row 7, the dimension and option texts of rows 8 … 13, the regime of
// row 18 and, in English, the decimal points of the numbers. Nothing happens for German.
void ToStoredLanguage(std::vector<results::ResultColumn>& columns, const LanguageTables& tables);
void ToStoredLanguage(std::vector<results::ResultColumn>& columns, const text::TextStore& texts);

// The reverse, after reading: also drops option texts of older versions from row 13 and mends
// older wordings of row 8. Nothing happens for German.
void FromStoredLanguage(std::vector<results::ResultColumn>& columns, const LanguageTables& tables);
void FromStoredLanguage(std::vector<results::ResultColumn>& columns, const text::TextStore& texts);

// Row 7 ("kind name/count") with the kind name of the tables' language replaced by the German one
// (the last kind in catalogue order whose name matches wins); an unknown name stays.
std::string StoredKindName(std::string_view cell, const LanguageTables& tables);

// A text of rows 8 … 13 in German: two passes over the vocabulary, then the in-word.
std::string StoredDimensionText(std::string cell, const LanguageTables& tables);

// The number after the last ": " of a dimension text with a decimal comma instead of a point
// (the phrases before it keep their abbreviation points).
void DecimalCommaInValue(std::string& cell);

}  // namespace velmora::project
