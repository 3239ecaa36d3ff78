#pragma once

// An XML document of elements with text, parsed and written for the settings files.

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "platform/rtl/Exception.h"

// An element of a settings document: its name, its own text and its child elements in document order.
// Only an element without children has its text written; adding a child drops the text. Attributes,
// comments and processing instructions are not kept.
struct TXmlElement {
  explicit TXmlElement(const QString& AName) : Name(AName) {}

  // The first child with that name; nullptr when there is none.
  TXmlElement* Child(const QString& AName) const;
  // Appends a child after the existing ones.
  TXmlElement& AddChild(const QString& AName);
  // Removes the first child with that name and everything below it, if there is one.
  void RemoveChild(const QString& AName);

  QString Name;
  QString Text;
  std::vector<std::unique_ptr<TXmlElement>> Children;
};

// A document that cannot be read.
class EXmlError : public Exception {
 public:
  using Exception::Exception;
};

// Reads a document into ARoot, which must be empty; ARoot takes the document element's name. Raises
// EXmlError "Invalid Document" when something other than white space comes before the first "<", and
// EXmlError with the parser's message when the document is not well formed; the elements read before the
// fault stay in ARoot. A document of white space alone, or empty, is no error and leaves ARoot as it is.
void ParseXml(const QByteArray& AData, TXmlElement& ARoot);

// The document in UTF-8 with its declaration, indented by two blanks. Characters that XML cannot hold
// (control characters other than tab, line feed and carriage return, unpaired surrogates) are left out.
QByteArray SerializeXml(const TXmlElement& ARoot);
