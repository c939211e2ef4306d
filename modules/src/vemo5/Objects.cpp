// The objects a module gets from the host: tests, parameters, texts, results.
#include "Host.h"
#include "TextUtil.h"
#include "vemo5/DiagModule.h"

namespace vemo5 {

const char* TestResult::name() const {
    switch (m_kind) {
        case Kind::Pass: return "PASS";
        case Kind::Fail: return "FAIL";
        case Kind::UserAborted: return "USERABORTED";
        case Kind::InternalError: return "INTERNALERROR";
    }
    return "INTERNALERROR";
}

bool Value::valueBool() const { return parseBoolean(m_text).value_or(false); }

Parameter::Parameter(std::string name, DataType type, std::string defaultText, bool moduleWide, bool configurable)
    : m_name(std::move(name)), m_type(type), m_defaultText(std::move(defaultText)),
      m_moduleWide(moduleWide), m_configurable(configurable) {}

Value Parameter::value() const { return Value(m_hasValue ? m_value : m_defaultText); }

bool Parameter::setValue(const std::string& text) {
    if (m_type.isBoolean() && !parseBoolean(text)) return false;
    m_value = text;
    m_hasValue = true;
    return true;
}

VemoString LocalizedString::localizedString() const { return VemoString(hostText(m_id)); }

void Test::addParameter(Parameter* parameter) { m_parameters.push_back(parameter); }

VemoString Test::localizedName() const { return VemoString(hostText(m_name)); }

}  // namespace vemo5
