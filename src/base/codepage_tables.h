#pragma once
namespace velmar::codepage_tables {
extern const char16_t Cp437Upper[128];
extern const char16_t Cp1250Upper[128];
extern const char16_t Cp1252Upper[128];
}  // namespace velmar::codepage_tables
