// SetupHeader: the header is loaded from the settings, confirmed by the operator in the
// dialog, saved back and put into the form in which the file is written.
#include "cabrillo/cabrillo_writer.h"

#include "cabrillo/file_base.h"
#include "cabrillo/header_fields.h"
#include "platform/platform.h"

namespace {

std::string initialValue(const HeaderField& field, const std::string& callsign,
                         const SettingsLocation& settings, const std::string& current)
{
    switch (field.source) {
    case HeaderSource::Argument:
        return callsign;
    case HeaderSource::Setting:
        return readSetting(settings, field.value, "");
    case HeaderSource::SettingOrArgument:
        return readSetting(settings, field.value, callsign);
    case HeaderSource::Fixed:
        return field.value;
    case HeaderSource::Kept:
        break;
    }
    return current;
}

}  // namespace

int CCabrilloWriter::SetupHeader(const std::string& callsign, const SettingsLocation& settings,
                                 const HeaderDialog& dialog)
{
    FileBase = cabrilloFileBase(callsign);
    multiLineFileForm_ = false;
    for (const HeaderField& field : headerFields()) {
        std::string& value = this->*field.field;
        value = initialValue(field, callsign, settings, value);
        if (field.typedLineBreaks) {
            value = ReplaceAll(ReplaceAll(value, "<CR>", "\r"), "<LF>", "\n");
        }
    }

    platform::HeaderDialogTexts texts;
    for (const HeaderField& field : headerFields()) {
        texts.*field.control.text = this->*field.field;
    }
    if (!dialog || !dialog(texts)) {
        return 0;
    }

    for (const HeaderField& field : headerFields()) {
        std::string& value = this->*field.field;
        if (field.takenBack) {
            value = texts.*field.control.text;
        }
        if (field.typedLineBreaks) {
            value = ReplaceAll(ReplaceAll(value, "\r", "<CR>"), "\n", "<LF>");
        }
    }
    // A failed write leaves the confirmed values in the record all the same.
    for (const HeaderField* field : headerFieldsBy(&HeaderField::saved)) {
        writeSetting(settings, field->savedKey, this->*field->field);
    }
    for (const HeaderField& field : headerFields()) {
        if (field.spansLines) {
            std::string& value = this->*field.field;
            value = ReplaceAll(value, "<CR>", "\r\n" + std::string(field.tag) + ": ");
            value = ReplaceAll(value, "<LF>", "");
        }
    }
    multiLineFileForm_ = true;
    QsoLines.clear();
    return 1;
}
