#include "datafile/LoadInAdvance.h"

#include <QDir>
#include <QThread>
#include <optional>

#include "datafile/DataFileError.h"

namespace vantrel::datafile {

namespace {

// Keeps what loading shows, each step as it came, to be shown later on the real screen.
class RecordedView : public LoadView, private TabStrip {
 public:
  void setProgress(int percent) override {
    steps_.push_back([percent](LoadView& view) { view.setProgress(percent); });
  }
  void applyLayout(const FormLayout& layout) override {
    steps_.push_back([layout](LoadView& view) { view.applyLayout(layout); });
  }
  TabStrip& tabStrip() override { return *this; }
  void showOn(LoadView& view) const {
    for (const auto& step : steps_)
      step(view);
  }

 private:
  // The loaders empty the strip they are given before they add the pages' tabs, and count its
  // tabs to do so: the real strip is emptied at that moment of the showing.
  int tabCount() const override {
    steps_.push_back([](LoadView& view) {
      TabStrip& strip = view.tabStrip();
      for (int n = strip.tabCount(); n >= 1; --n)
        strip.removeTab(n);
    });
    return 0;
  }
  void removeTab(int) override {}
  void addTab(const QString& caption) override {
    steps_.push_back([caption](LoadView& view) { view.tabStrip().addTab(caption); });
  }
  void setTabToolTip(int position, const QString& tip) override {
    steps_.push_back(
        [position, tip](LoadView& view) { view.tabStrip().setTabToolTip(position, tip); });
  }
  mutable std::vector<std::function<void(LoadView&)>> steps_;
};

}  // namespace

struct LoadInAdvance::Result {
  QString path;  // empty when no file was found
  PageTables tables;
  RecordedView view;
  std::optional<DataFileError> error;
};

LoadInAdvance::LoadInAdvance(const QString& programFolder) {
  // The toolkit takes the first thread that asks which thread it is on for the program's main
  // thread. The loader's file objects would ask first and the application, made on this thread
  // a moment later, would find itself on a thread of no standing: its window stays black.
  QThread::currentThread();
  result_ = std::async(std::launch::async, [programFolder] {
    auto result = std::make_unique<Result>();
    ProgramWide program;
    program.AppFolder = QDir::currentPath();  // where the window looks first
    QString name, folder;
    if (FindSystemDataFile(name, folder, program, programFolder).isEmpty()) return result;
    result->path = folder + name;
    rtf::WorkingDocument sData;
    try {
      ReadSystemData(sData, result->tables, result->path, result->view);
    } catch (const DataFileError& error) {
      result->error = error;
    }
    return result;
  });
}

LoadInAdvance::~LoadInAdvance() {
  if (result_.valid()) result_.wait();
}

bool LoadInAdvance::finish(const QString& path, PageTables& tables, LoadView& view) {
  if (!result_.valid()) return false;
  const std::unique_ptr<Result> result = result_.get();
  if (result->path.isEmpty() || result->path != path) return false;
  result->view.showOn(view);
  tables = std::move(result->tables);
  if (result->error) throw *result->error;
  return true;
}

}  // namespace vantrel::datafile
