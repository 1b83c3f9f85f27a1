// Everything that differs per operating system sits behind this header.
#pragma once
