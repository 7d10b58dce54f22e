// SPDX-License-Identifier: MIT
#include "formats/formats.h"

#include <cctype>

namespace gridora::formats {

namespace {

struct FormatInfo {
  Format format;
  const char* name;
  const char* extension;
};

constexpr FormatInfo kInfo[] = {
    {Format::Gdr, "gdr", ".gdr"},
    {Format::Sdk, "sdk", ".sdk"},
    {Format::Sdm, "sdm", ".sdm"},
    {Format::Ss, "ss", ".ss"},
    {Format::OpenSudoku, "opensudoku", ".opensudoku"},
    {Format::Grid, "grid", ".txt"},
};

const FormatInfo& InfoOf(Format format) {
  for (const FormatInfo& info : kInfo) {
    if (info.format == format) return info;
  }
  return kInfo[0];
}

// The cause of a failure in the window's words.
const char* JapaneseCause(Failure failure) {
  switch (failure) {
    case Failure::None:
      return "";
    case Failure::CannotOpen:
      return "ファイルを開けません。";
    case Failure::NotAFile:
      return "ファイルではありません。";
    case Failure::TooLarge:
      return "問題のファイルとしては大きすぎます。";
    case Failure::LineTooLong:
      return "行が長すぎます。";
    case Failure::Binary:
      return "文字でないデータがあります。";
    case Failure::BadEncoding:
      return "文字コードが読めません。";
    case Failure::UnknownFormat:
      return "問題の形式がわかりません。";
    case Failure::Truncated:
      return "問題の途中でファイルが終わっています。";
    case Failure::RowLength:
      return "行のマスの数が違います。";
    case Failure::LineLength:
      return "1行の問題のマスの数が81でも256でもありません。";
    case Failure::BadCharacter:
      return "数字でない文字があります。";
    case Failure::ExtraText:
      return "問題の後に余分な行があります。";
    case Failure::BadSection:
      return "読めない行があります。";
    case Failure::BadXml:
      return "XMLとして読めません。";
    case Failure::BadGameData:
      return "問題のデータが読めません。";
    case Failure::NoPuzzle:
      return "問題がありません。";
    case Failure::TooManyPuzzles:
      return "問題が多すぎます。";
    case Failure::Changed:
      return "ファイルが変更されています。";
    case Failure::ReadFailed:
      return "ファイルを読めません。";
  }
  return "";
}

}  // namespace

const char* FormatName(Format format) {
  return InfoOf(format).name;
}

const char* FormatExtension(Format format) {
  return InfoOf(format).extension;
}

std::optional<Format> FormatOfName(std::string_view name) {
  std::string lower;
  for (const char ch : name)
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (lower == "txt") return Format::Sdm;
  for (const FormatInfo& info : kInfo) {
    if (lower == info.name) return info.format;
  }
  return std::nullopt;
}

bool HoldsOnePuzzle(Format format) {
  return format != Format::Sdm && format != Format::OpenSudoku;
}

bool Puzzle::HasProgress() const {
  return entries != BoardCodes{} || notes != NoteMasks{};
}

std::string DescribeError(const std::string& path, const ReadError& error) {
  std::string text = path + ":";
  if (error.line > 0) text += std::to_string(error.line) + ":";
  return text + " " + error.detail;
}

std::string JapaneseErrorText(const std::string& path, const ReadError& error) {
  std::string text = path;
  if (error.line > 0) text += " の " + std::to_string(error.line) + " 行目";
  text += "\r\n";
  return text + JapaneseCause(error.failure);
}

}  // namespace gridora::formats
