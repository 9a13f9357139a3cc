#include "solve/BatchRun.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>

#include "solve/BatchCases.h"
#include "solve/CsvInput.h"
#include "solve/OrderedPipeline.h"
#include "solve/PageCase.h"

namespace vantrel::solve {

namespace {

// Records per chunk: enough to make handing a chunk over cheap next to solving it.
constexpr std::size_t kChunkSize = 64;

// The batch file, open for reading, closed at the end of the run (standard input stays open).
class BatchInput {
 public:
  BatchInput(const QString& path, int standardInput) {
    if (path == u"-") {
      fd_ = standardInput;
      return;
    }
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
      throw SolveError(kBadUsage, QStringLiteral("The batch file \"%1\" cannot be read: %2.\n")
                                      .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    owned_ = true;
  }
  ~BatchInput() {
    if (owned_) ::close(fd_);
  }
  BatchInput(const BatchInput&) = delete;
  BatchInput& operator=(const BatchInput&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_ = -1;
  bool owned_ = false;
};

// A worker's own copy of the page tables and the page session over them; the solver's snapshot
// table is per thread already.
class CaseWorker {
 public:
  CaseWorker(const datafile::PageTables& tables, const CaseSetup& setup,
             const std::vector<CaseEntry>& columns, Format format, std::atomic<bool>& anyFailed)
      : tables_(tables),
        page_(tables_, setup),
        columns_(columns),
        format_(format),
        rowCount_(tables.VarCount(setup.page)),
        anyFailed_(anyFailed) {}

  CaseWorker(const CaseWorker&) = delete;
  CaseWorker& operator=(const CaseWorker&) = delete;

  QByteArray operator()(const Chunk& chunk) {
    out_.resize(0);  // the buffer keeps its room from chunk to chunk
    for (const Record& record : chunk) {
      const CaseOutcome outcome = solveLine(page_, columns_, record.text);
      if (outcome.status != kSolved) anyFailed_ = true;
      appendCaseLine(out_, outcome, record.line, format_, rowCount_);
    }
    return out_.toUtf8();
  }

 private:
  datafile::PageTables tables_;
  PageCase page_;
  const std::vector<CaseEntry>& columns_;
  Format format_;
  int rowCount_;
  std::atomic<bool>& anyFailed_;
  QString out_;
};

int workerCount(int asked) {
  if (asked > 0) return asked;
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace

ExitStatus runBatch(const datafile::PageTables& tables, const Request& request, int input,
                    const std::function<void(const QByteArray&)>& write) {
  const CaseSetup commandLine = setupOf(tables, request);
  const BatchInput file(request.batch, input);
  RecordReader reader(file.fd());
  QByteArray record;
  std::int64_t line = 0;
  if (!reader.next(record, line)) {
    const QString batch = request.batch == u"-"
                              ? QStringLiteral("The batch on standard input")
                              : QStringLiteral("The batch file \"%1\"").arg(request.batch);
    throw SolveError(kBadUsage,
                     batch + QStringLiteral(" is empty: its first line names the columns.\n"));
  }
  bool closed = true;
  const QStringList header = csvCells(record, closed);
  if (!closed)
    throw SolveError(kBadUsage, QStringLiteral("The batch header leaves a quote open.\n"));
  const std::vector<CaseEntry> columns = batchColumns(tables, commandLine, header);
  checkSolvable(tables, commandLine, !columns.empty());
  const CaseSetup setup = withColumnUnits(commandLine, columns);
  if (request.format == Format::Csv) write(csvHeader(tables, setup).toUtf8());

  std::atomic<bool> anyFailed = false;
  OrderedPipeline pipeline(
      workerCount(request.jobs),
      [&]() -> OrderedPipeline::Worker {
        auto worker =
            std::make_shared<CaseWorker>(tables, setup, columns, request.format, anyFailed);
        return [worker](const Chunk& chunk) { return (*worker)(chunk); };
      },
      write);
  Chunk chunk;
  // A chunk goes as soon as no further line is at hand, so cases typed or piped in one by one
  // are answered at once.
  while (reader.next(record, line)) {
    if (!record.trimmed().isEmpty()) chunk.push_back({record, line});
    if (chunk.size() == kChunkSize || (!chunk.empty() && !reader.lineWaiting())) {
      pipeline.submit(std::move(chunk));
      chunk.clear();
    }
  }
  if (!chunk.empty()) pipeline.submit(std::move(chunk));
  pipeline.finish();
  return anyFailed ? kSomeCasesFailed : kSolved;
}

}  // namespace vantrel::solve
