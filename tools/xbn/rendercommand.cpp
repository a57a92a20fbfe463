#include "commands.h"

#include "toolerror.h"

namespace xbn {

void renderCommand(const QStringList& /*arguments*/, QTextStream& /*out*/)
{
    throw ToolError(QStringLiteral("render is not available yet"));
}

} // namespace xbn
