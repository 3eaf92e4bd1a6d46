// lexitor-words generate: builds the default vocabulary from WordNet and SCOWL.

#include "tools/Commands.h"

#include <QTextStream>

namespace lexitor::tools {

int runGenerate(const QStringList& args) {
    Q_UNUSED(args);
    QTextStream(stderr) << "generate: not available yet\n";
    return 1;
}

} // namespace lexitor::tools
