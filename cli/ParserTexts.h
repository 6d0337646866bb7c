#pragma once
// Russian texts for the few words Qt's command-line parser writes itself (the
// usage line, the section titles, a missing or unexpected value). Installed
// for its lifetime on the running application, when there is one.
#include <QTranslator>

namespace cli {

class TParserTexts : public QTranslator {
 public:
  TParserTexts();
  ~TParserTexts() override;
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }

 private:
  bool FInstalled = false;
};

}  // namespace cli
