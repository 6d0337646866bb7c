#pragma once
// Window transition effects.
