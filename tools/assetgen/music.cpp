#include "jobs.h"
namespace assetgen {}
