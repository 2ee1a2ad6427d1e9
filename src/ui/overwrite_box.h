#pragma once

namespace kinloom::ui {}  // namespace kinloom::ui
