#include "cli/export_command.h"

#include "cli/command_args.h"
#include "cli/command_program.h"
#include "cli/command_status.h"
#include "cli/scratch_folder.h"
#include "cli/script_words.h"
#include "core/link/full_write.h"
#include "core/registers/register_export.h"
#include "files/atomic_write.h"
#include "files/file_identity.h"
#include "platform/null_platform.h"

namespace zqf::cli {

namespace {

constexpr OptionSpec export_options[] = {{"format", true}, {"output", true, 'o'}};

struct ExportRequest {
    std::string file;
    ExportFormat format = ExportFormat::hex;
    std::optional<std::string> output;
};

Outcome<ExportRequest> export_request(std::span<const std::string_view> args) {
    const Outcome<CommandArgs> parsed = parse_command_args(args, export_options);
    if (const Failure* failure = failure_of(parsed)) {
        return *failure;
    }
    const CommandArgs& command = std::get<CommandArgs>(parsed);
    if (command.operands().size() != 1) {
        return Failure{command.operands().empty() ? "no settings file named"
                                                  : "one settings file only"};
    }
    ExportRequest request{command.operands()[0], ExportFormat::hex, command.value("output")};
    if (const std::optional<std::string> name = command.value("format")) {
        const std::optional<ExportFormat> format = export_format_named(*name);
        if (!format) {
            return Failure{"--format takes hex, c, csv or json, not " + quote(*name)};
        }
        request.format = *format;
    }
    if (request.output && request.output->empty()) {
        return Failure{"--output needs a file name"};
    }
    return request;
}

} // namespace

int export_command(std::span<const std::string_view> args, const std::string& program_dir,
                   std::ostream& out, std::ostream& err) {
    const auto refuse = [&err](const std::string& reason) {
        err << "error: " << printable(reason) << '\n';
        return command_refused;
    };
    const Outcome<ExportRequest> parsed = export_request(args);
    if (const Failure* failure = failure_of(parsed)) {
        err << "error: " << printable(failure->reason) << '\n'
            << export_usage.substr(0, export_usage.find('\n') + 1);
        return command_refused;
    }
    const ExportRequest& request = std::get<ExportRequest>(parsed);

    // No link: the start window is confirmed without one, and its link
    // choice goes to a folder of the command's own.
    std::string scratch_error;
    const std::optional<ScratchFolder> scratch = ScratchFolder::make(scratch_error);
    if (!scratch) {
        return refuse(scratch_error);
    }
    NullPlatform no_board;
    CommandProgram command(no_board, {program_dir, scratch->path() + "/comms_option.txt"}, err);
    if (const auto failure = command.open_settings(request.file, "")) {
        return refuse(failure->reason);
    }
    const SharedState& state = command.program().state();
    const auto words = full_write_words(state);
    if (const std::string* refusal = std::get_if<std::string>(&words)) {
        return refuse(*refusal);
    }
    const std::string text =
        export_registers(request.format, {device_profile(state.device_name), request.file},
                         std::get<std::vector<RegisterWord>>(words));
    if (!request.output || *request.output == "-") {
        out << text;
        return command_done;
    }
    // The settings would be lost for a form the program cannot load back.
    const std::optional<FileIdentity> source = identity_of(request.file);
    if (source && identity_of(*request.output) == source) {
        return refuse("cannot write '" + *request.output +
                      "': it is the settings file being exported");
    }
    if (const std::string failure = write_atomically(*request.output, text); !failure.empty()) {
        return refuse(failure);
    }
    return command_done;
}

} // namespace zqf::cli
