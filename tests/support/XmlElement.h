// The text of an XML element found by its name alone ("<missing>" when there is none): enough
// for the flat XML of a task.
#pragma once

#include <string>

namespace testing_support {

inline std::string XmlElement(const std::string& xml, const std::string& name) {
  const auto start = xml.find("<" + name + ">");
  if (start == std::string::npos) return "<missing>";
  const auto text = start + name.size() + 2;
  return xml.substr(text, xml.find("</" + name + ">", text) - text);
}

}  // namespace testing_support
