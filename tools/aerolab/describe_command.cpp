// aerolab describe: the control's type information, one line a member, with the texts
// exactly as the control publishes them.
#include "controls/aerobutton/type_info.h"
#include "tools/aerolab/commands.h"
#include "tools/aerolab/lab_format.h"
#include "tools/aerolab/lab_host.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

namespace {
const char* TypeName(aerobutton::MemberType type) {
    using aerobutton::MemberType;
    switch (type) {
        case MemberType::Bool: return "bool";
        case MemberType::Colour: return "colour";
        case MemberType::Text: return "text";
        case MemberType::Int32: return "int32";
        case MemberType::Int16: return "int16";
        case MemberType::Float: return "float";
        case MemberType::Font: return "font";
        case MemberType::Picture: return "picture";
        case MemberType::Handle: return "handle";
        case MemberType::None: break;
    }
    return "none";
}
}  // namespace

int RunDescribe(const Arguments& args) {
    if (!args.empty()) throw BadArgument("describe takes no arguments (\"" + args[0] + "\" given)");
    using aerobutton::MemberKind;
    for (const aerobutton::MemberInfo& member : aerobutton::TypeInformation()) {
        const std::string name = ToUtf8(member.name);
        const std::string description = FormatText(member.description);
        switch (member.kind) {
            case MemberKind::Property:
                PrintLine("property " + name + " " + TypeName(member.type) + " " + description);
                break;
            case MemberKind::Method: PrintLine("method " + name + " " + description); break;
            case MemberKind::Event:
                PrintLine("event " + name + " " + FormatInt(member.dispatchId) + " " + description);
                break;
        }
    }
    return 0;
}

}  // namespace aerolab
