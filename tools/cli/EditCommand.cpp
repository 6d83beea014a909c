// volmaren-cli edit IN OUT OP...
#include "Commands.h"
#include "EditOperations.h"
#include "ImageDocument.h"
#include "ImageIo.h"

namespace {

// Applies the operations in order; the first that fails ends the edit.
Outcome ApplyAll(CChannelDatabase& db, Arguments script)
{
    std::size_t at = 0;
    while (at < script.size()) {
        const EditOperation* operation = FindEditOperation(script[at]);
        if (!operation)
            return UsageError("unknown operation '" + script[at] + "'");
        ++at;
        // An optional argument is taken unless it names the next operation.
        std::size_t taken = 0;
        while (taken < operation->maxArgs && at + taken < script.size() &&
               (taken < operation->minArgs || !FindEditOperation(script[at + taken])))
            ++taken;
        if (taken < operation->minArgs)
            return UsageError(std::string("usage: ") + operation->synopsis);
        if (Outcome applied = operation->apply(db, script.subspan(at, taken)); applied.status != Exit::kOk)
            return applied;
        at += taken;
    }
    return Succeeded();
}

}  // namespace

int RunEdit(Arguments args)
{
    if (args.size() < 3)
        return Report(UsageError("usage: volmaren-cli edit IN OUT OP..."));
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    if (Outcome applied = ApplyAll(document.m_database, args.subspan(2)); applied.status != Exit::kOk)
        return Report(applied);
    return Report(SaveImage(document, args[1]));
}
