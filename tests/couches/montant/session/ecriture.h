// Stands for a header of a library above reconcile.
#pragma once
