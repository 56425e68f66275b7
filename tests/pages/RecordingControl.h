#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/HostError.h"
#include "platform/host/PropertyPage.h"

namespace qv::test {

// A selected object that holds named values and records every read and write in order,
// as "get NAME" and "let NAME=VALUE" (the value through CStr, Booleans as numbers).
class RecordingControl : public host::ISelectedObject {
  public:
    std::map<std::string, Variant> values;
    std::vector<std::string> log;

    Variant GetProperty(std::string_view sName) override {
        log.push_back("get " + std::string(sName));
        auto it = values.find(std::string(sName));
        if (it == values.end()) throw HostError(err::kNoSuchMember);
        return it->second;
    }
    void LetProperty(std::string_view sName, const Variant& vValue) override {
        log.push_back("let " + std::string(sName) + "=" + Describe(vValue));
        values[std::string(sName)] = vValue;
    }

    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& sEntry : log)
            if (sEntry.starts_with("let ")) writes.push_back(sEntry);
        return writes;
    }

  private:
    static std::string Describe(const Variant& vValue) {
        if (vValue.Type() == VarType::Boolean)
            return "Boolean(" + std::to_string(vValue.BooleanValue().Value()) + ")";
        if (vValue.Type() == VarType::String) return "\"" + vValue.StringValue() + "\"";
        return CStr(vValue);
    }
};

}  // namespace qv::test
