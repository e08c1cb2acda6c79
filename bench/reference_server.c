/* The yardstick of the SCPI benchmark: a server that answers every line at
 * once with a fixed identification, one client at a time. */
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>
int main(int argc, char **argv) {
    static const char idn[] = "Norvik,REFERENCE,0,1\n";
    struct sockaddr_in at = {0};
    int server = socket(AF_INET, SOCK_STREAM, 0), one = 1, client, got, i;
    char bytes[4096];
    at.sin_family = AF_INET;
    at.sin_port = htons(argc > 1 ? atoi(argv[1]) : 5026);
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    setsockopt(server, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (bind(server, (struct sockaddr *)&at, sizeof at) != 0 || listen(server, 8) != 0) return 1;
    for (;;) {
        for (client = accept(server, 0, 0); (got = read(client, bytes, sizeof bytes)) > 0;)
            for (i = 0; i < got; i++)
                if (bytes[i] == '\n' && write(client, idn, sizeof idn - 1) < 0) got = 0;
        close(client);
    }
}
