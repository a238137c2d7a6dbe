// Everything about the reminder and festival files, for callers that want it all.
#pragma once

#include "shared/byte_source.h"
#include "shared/file_replace.h"
#include "shared/hook_rem_loader.h"
#include "shared/path_rules.h"
#include "shared/rem_files.h"
#include "shared/text_mode.h"
