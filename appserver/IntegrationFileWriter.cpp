#include "IntegrationFileWriter.h"

#include "Text.h"

#include <charconv>
#include <cstdio>

void IntegrationFileWriter::Write(const IntegrationHeader& header) {
    Field("CARDAPIO");
    Field(header.originBranch);
    Field(header.originBranchName);
    Day(header.firstDay);
    Day(header.lastDay);
    EndLine();
}

void IntegrationFileWriter::Write(const FileService& service) {
    Field("SERVICO");
    Field(service.code);
    Field(service.name);
    Field(service.hospital ? "S" : "N");
    EndLine();
}

void IntegrationFileWriter::Write(const FileDiet& diet) {
    Field("DIETA");
    Field(diet.service);
    Field(diet.code);
    Field(diet.name);
    EndLine();
}

void IntegrationFileWriter::Write(const FileDishType& dishType) {
    Field("TIPOPRATO");
    Field(dishType.service);
    Field(dishType.code);
    Number(dishType.sequence);
    Number(dishType.order);
    Field(dishType.name);
    Field(dishType.option ? "S" : "N");
    EndLine();
}

void IntegrationFileWriter::Write(const FileDish& dish) {
    Field("PRATO");
    Field(dish.code);
    Field(dish.name);
    EndLine();
}

void IntegrationFileWriter::Write(const MenuLine& menuLine) {
    Field("ITEM");
    Field(menuLine.service);
    Day(menuLine.date);
    Field(menuLine.diet);
    Field(menuLine.dishType);
    Number(menuLine.sequence);
    Field(menuLine.dish);
    Number(menuLine.diners);
    EndLine();
}

void IntegrationFileWriter::Write(const IntegrationFile& file) {
    Write(file.header);
    for (const FileService& service : file.services)
        Write(service);
    for (const FileDiet& diet : file.diets)
        Write(diet);
    for (const FileDishType& dishType : file.dishTypes)
        Write(dishType);
    for (const FileDish& dish : file.dishes)
        Write(dish);
}

void IntegrationFileWriter::Field(std::string_view text) {
    // Plain ASCII, the bulk of a large file, needs no conversion.
    bool ascii = true;
    for (char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        line_.append(text);
    else
        line_ += EncodeWindows1252(text);
    line_ += '\xF8';
}

void IntegrationFileWriter::Number(int value) {
    char digits[16];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    Field(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void IntegrationFileWriter::Day(TDateTime day) {
    // Menu lines come in runs of the same day; decode it once per run.
    if (day != lastDay_) {
        int year = 0, month = 0, dayOfMonth = 0;
        DecodeDate(day, year, month, dayOfMonth);
        char text[40];
        std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, dayOfMonth);
        lastDay_ = day;
        lastDayText_ = text;
    }
    Field(lastDayText_);
}

void IntegrationFileWriter::EndLine() {
    line_ += "\r\n";
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    line_.clear();
}
