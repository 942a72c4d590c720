#pragma once
// For scripts that drive the program by keys and clicks. With SK_IDLE_FILE
// naming a file, a SIGUSR1 is answered once everything that reached the
// program before it is handled and every shown window has painted: the file
// then holds "<process id> <count of answers> <X window with the focus>". A
// script waits for that instead of sleeping a guessed time, and for the focus
// before it judges colours (a window without it is drawn dimmed). Without the
// variable nothing happens.

namespace sk {

void AnswerIdleQueries();

}  // namespace sk
