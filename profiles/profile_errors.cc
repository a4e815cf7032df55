#include "profiles/profile_errors.h"

namespace tessaly {

const char kProfileNotFoundMessage[] = "The profile by specified name does not exists.";
const char kProfileExistsMessage[] = "The profile by specified name already exists.";
const char kProfileProtectedMessage[] =
    "The Default Standard Setting can not be deleted or Modified.";
// A lone carriage return, as the printer's own dialogs show it.
const char kInvalidProfileNameMessage[] =
    "A profilename cannot contain any of the following characters:\r\\ / :  * ? \" < > |";

}  // namespace tessaly
